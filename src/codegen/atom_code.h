#pragma once
// An Atom script for a captured area: the subroutine `Untitled` loads the area (cells
// with their colours) and its place into registers R60 to R64, pushes them and calls
// `Loader`; on request the text starts with a launching block and `Loader` itself.
#include <string>

#include "console/rect.h"
#include "console/screen_image.h"

namespace tessella::codegen {

// The clipboard text for `area`, captured at `place`. The blank-9 rule is applied to
// the cells here. The text ends with "         Endsub:" and no line end.
std::string AtomScreenCode(const console::ScreenImage& area, const console::Rect& place,
                           bool include_loader);

}  // namespace tessella::codegen
