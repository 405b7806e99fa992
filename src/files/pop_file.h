#pragma once
// Pop files (.POP): one area and its place on the page. Four bytes top row, bottom row,
// left column, right column (rows first), then the area's (character, attribute) pairs
// row by row. One byte a coordinate: areas reach no further than row or column 255.
#include <optional>
#include <string>
#include <string_view>

#include "console/rect.h"
#include "console/screen_image.h"

namespace tessella::files {

inline constexpr int kPopMaxCoordinate = 255;

// The area whose top-left cell is at (top, left) and whose cells are `cells`. None
// when the area is empty or any of its rows or columns lies outside 1..255.
std::optional<std::string> EncodePop(int top, int left, const console::ScreenImage& cells);

enum class PopRefusal {
  kNone,
  kTooShort,    // fewer than the four header bytes
  kUpsideDown,  // bottom above top, or right left of left
  kOffConsole,  // a corner at 0 or beyond the rows and columns given
};

struct PopContent {
  PopRefusal refusal = PopRefusal::kNone;
  console::Rect area;
  // Whole pairs after the header, no more than the area holds; a short file leaves the
  // rest of the area as it was.
  std::string pairs;
};

// Reads a pop file for a page of max_row rows and max_col columns.
PopContent DecodePop(std::string_view bytes, int max_row, int max_col);

}  // namespace tessella::files
