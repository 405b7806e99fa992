#pragma once
// The first step of every code generator: the chosen area, flashed and read.
#include <optional>

#include "console/rect.h"
#include "console/screen_image.h"
#include "core/editor.h"

namespace tessella::codegen {

struct CapturedArea {
  console::ScreenImage cells;  // as the console shows them; each generator applies the
                               // blank-9 rule it needs
  console::Rect place;         // where they stand: top = r1, left = c1, ...
};

// Without a chosen area, shows the two-corner warning and gives nothing. Otherwise the
// area flashes, the arrow keys' pending line character is dropped, and its cells are
// read into the area buffer (image and width; the height stays as it was) and returned.
// An area that Paste left running past the console's edge is taken as far as it lies
// on the work screen.
std::optional<CapturedArea> CaptureArea(core::Editor& ed);

// What every generator leaves behind: the area buffer empty, the area no longer
// chosen, the output colour back to the typing colours.
void EndGenerator(core::Editor& ed);

}  // namespace tessella::codegen
