#pragma once
// Console screen code for FreeBasic: a `Function Putz` that draws a screen string
// through WriteConsoleOutput, a `FUNCTION U_NameIt` that holds the area as one string
// and calls it, and three lines that run it; by option, the clickable-word handler
// texts as they stand.
#include <string>

#include "codegen/clickable_words.h"
#include "console/rect.h"
#include "console/screen_image.h"

namespace tessella::codegen {

// The whole clipboard text for `captured`, the area image as read from the console at
// `area`, with the pieces `option` picks. The blank-9 rule is applied here to whole
// cells. kAll and kSelect empty `words`.
std::string FreeBasicScreenCode(const console::ScreenImage& captured, const console::Rect& area,
                                CodeOption option, ClickableWords& words);

}  // namespace tessella::codegen
