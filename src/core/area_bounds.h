#pragma once
// The part of an area that lies on the console. Chosen areas always lie on it, but
// Paste makes the corners its pasted rectangle, which may run past the right or bottom
// edge; Copy, Cut and Color of such corners work on what is really there.
#include <algorithm>

#include "console/console.h"
#include "console/rect.h"
#include "core/editor.h"

namespace tessella::core {

using console::Rect;

// The area clipped to rows 1..last_row and columns 1..C.
inline console::Rect ClipArea(const console::Console& con, const AreaCorners& a, int last_row) {
  return console::Rect{std::max(a.r1, 1), std::max(a.c1, 1), std::min(a.r2, last_row),
              std::min(a.c2, con.cols())};
}

}  // namespace tessella::core
