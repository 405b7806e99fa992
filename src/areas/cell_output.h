#pragma once
// Writing cells as the console's text output leaves them (both pad bytes 0), cut at the
// console's edges: unlike printing, nothing wraps onto the next row or scrolls the page,
// however small the console.
#include <string_view>

#include "console/console.h"
#include "console/screen_image.h"

namespace tessella::areas {

// The bytes from (row, col) in attribute attr, as far as the row reaches.
void PutClipped(console::Console& con, int row, int col, int attr, std::string_view bytes);

// A screen image with its top-left cell at (top, left); rows below last_row are left out.
void PutImageClipped(console::Console& con, int top, int left, const console::ScreenImage& image,
                     int last_row);

}  // namespace tessella::areas
