#pragma once
// Reading a screen back out of an include file (Edit Include): the SUB of the name
// given, its rectangle from the PUTZ or LAUNCH call, and its cells from the string
// literals of its SCN lines, taken from the file's own bytes.
#include <string>
#include <string_view>

#include "console/rect.h"

namespace tessella::files {

enum class IncludeFind {
  kFound,
  kNoSuchSub,   // no SUB of that name
  kNoCall,      // the SUB has no PUTZ or LAUNCH call with four whole numbers
  kOffConsole,  // the rectangle is upside down or does not fit the rows and columns
};

struct IncludeScreen {
  IncludeFind result = IncludeFind::kNoSuchSub;
  // Top row, left column, bottom row, right column, as the call gives them.
  console::Rect area;
  // (character, attribute) pairs row by row, no more than the rectangle holds; data
  // that runs short leaves the rest of the rectangle as it was.
  std::string pairs;
};

// Finds the screen `name` (upper-cased, as SubName gives it) for a page of max_row rows
// and max_col columns.
IncludeScreen ReadIncludeScreen(std::string_view text, std::string_view name, int max_row,
                                int max_col);

}  // namespace tessella::files
