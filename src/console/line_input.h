#pragma once
// The one-line prompt: what the user types for a name or a number, read at a fixed
// place on the console with the modal reader (GetKey).
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/input.h"

namespace tessella::console {

// Reads one line at (row, col) in the console's output colour. Characters are echoed
// as typed, Backspace removes the last one, Enter ends the line; other control
// characters, keys without a character and mouse clicks are ignored. At most
// max_length characters are taken; only the first echo_width of them (all, when it is
// 0) that also fit between col and the right edge are echoed, so the echo stays in its
// field and neither wraps nor scrolls the console.
std::string ReadLine(Console& con, Input& input, int row, int col, int max_length,
                     int echo_width = 0);

// The number a line starts with, as a prompt for a number reads it: leading blanks
// skipped, an optional sign, digits with an optional decimal point. A line that does
// not start with a number gives 0.
double Val(std::string_view text);

}  // namespace tessella::console
