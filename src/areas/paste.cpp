// Paste: the area buffer written at the program cursor.
#include "areas/area_commands.h"

namespace tessella::areas {

core::Next Paste(core::Editor& ed, core::Event&) {
  const auto& buffer = ed.selection.buffer;
  auto& a = ed.selection.area;
  a.r1 = ed.pen.cursor_row;
  a.c1 = ed.pen.cursor_col;
  a.r2 = a.r1 + buffer.height - 1;
  a.c2 = a.c1 + buffer.width - 1;
  // The console clips what falls outside it, and writes no more cells than the image
  // holds: after Mark word the stored height may promise more rows than it has.
  if (buffer.width > 0 && !buffer.image.empty())
    ed.console.WriteRegion(a.r1, a.c1, a.r2, a.c2, buffer.image);
  return core::Next::kBookkeeping;
}

}  // namespace tessella::areas
