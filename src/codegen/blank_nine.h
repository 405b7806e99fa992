#pragma once
// The area capture's blank-9 rule. A blank drawn in attribute 9 (light blue on black)
// is written out as a blank in attribute 15 instead, in the cells; and where only the
// characters are kept, a blank followed by character 9 becomes a blank followed by
// character 15.
#include <string>

#include "console/screen_image.h"

namespace tessella::codegen {

// Every cell holding character 32 in attribute 9 gets attribute 15. The rule looks at
// whole cells only: an attribute byte 32 followed by the next cell's character 9 is
// left alone.
console::ScreenImage ApplyBlankNine(console::ScreenImage image);

// In a string of character bytes, every pair 32, 9 becomes 32, 15, left to right and
// not overlapping.
std::string ApplyBlankNineToChars(std::string chars);

}  // namespace tessella::codegen
