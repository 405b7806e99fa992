#include "areas/cell_output.h"

#include <algorithm>

namespace tessella::areas {

void PutClipped(console::Console& con, int row, int col, int attr, std::string_view bytes) {
  if (row < 1 || row > con.rows() || col > con.cols()) return;
  if (col < 1) {
    const size_t skip = static_cast<size_t>(1 - col);
    if (skip >= bytes.size()) return;
    bytes.remove_prefix(skip);
    col = 1;
  }
  bytes = bytes.substr(0, std::min(bytes.size(), static_cast<size_t>(con.cols() - col + 1)));
  con.WriteChars(row, col, bytes);
  con.FillAttribute(row, col, static_cast<int>(bytes.size()), attr);
}

void PutImageClipped(console::Console& con, int top, int left, const console::ScreenImage& image,
                     int last_row) {
  for (int r = 1; r <= image.height(); ++r) {
    const int row = top + r - 1;
    if (row > last_row) break;
    for (int c = 1; c <= image.width(); ++c) {
      const char ch = static_cast<char>(image.ch(r, c));
      PutClipped(con, row, left + c - 1, image.attr(r, c), std::string_view(&ch, 1));
    }
  }
}

}  // namespace tessella::areas
