#pragma once
// The characters of a captured area as plain text, without colours. Cells go out as
// they stand; the blank-9 rule plays no part here.
#include <string>

#include "console/screen_image.h"

namespace tessella::codegen {

// Flowing text: the rows joined with nothing between them, and every run of blanks in
// the whole text (leading and trailing runs included) cut to one blank. No line ends.
std::string RegularText(const console::ScreenImage& area);

// The area row by row, line characters and trailing blanks kept: H lines of W
// characters, every one ended by CR LF.
std::string TextWithLines(const console::ScreenImage& area);

}  // namespace tessella::codegen
