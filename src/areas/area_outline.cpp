#include "areas/area_outline.h"

namespace tessella::areas {

void DrawAreaOutline(console::Console& con, int r1, int c1, int m, int n) {
  if (m < r1 || n < c1) return;
  for (int c = c1; c <= n; ++c) {
    con.MarkCell(r1, c);
    con.MarkCell(m, c);
  }
  const bool thick = n >= c1 + 2;
  for (int r = r1; r <= m; ++r) {
    con.MarkCell(r, c1);
    con.MarkCell(r, n);
    if (thick) {
      con.MarkCell(r, c1 + 1);
      con.MarkCell(r, n - 1);
    }
  }
}

}  // namespace tessella::areas
