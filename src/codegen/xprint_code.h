#pragma once
// PBCC subroutines that print the characters of a captured area (no colours) in a
// fixed-width font: `Printform` on a printer through XPRINT, `gWindow` in a graphic
// window sized to the area.
#include <string>

#include "console/screen_image.h"

namespace tessella::codegen {

// The blank-9 rule for characters is applied here. Every line ends with CR LF; the
// trailing blanks of the fixed lines are part of them.
std::string XprintCode(const console::ScreenImage& area);
std::string GraphicPrintCode(const console::ScreenImage& area);

}  // namespace tessella::codegen
