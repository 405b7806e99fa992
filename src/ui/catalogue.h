#pragma once
// The catalogue of pictures: title, logo, toolbar line, help screens, message and
// choice boxes. Each is a constant screen image with its fixed rectangle, built at
// compile time from the text files in src/help/pictures/.
#include <span>
#include <string_view>

#include "console/console.h"

namespace tessella::ui {

struct Picture {
  std::string_view name;
  int left = 0;    // columns and rows, 1-based and inclusive
  int right = 0;
  int top = 0;
  int bottom = 0;
  std::string_view image;  // screen image: (character, attribute) pairs, row by row
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

std::span<const Picture> AllPictures();
// nullptr when there is no picture of that name.
const Picture* FindPicture(std::string_view name);
// Throws std::out_of_range for an unknown name.
const Picture& GetPicture(std::string_view name);
// Writes the picture to its rectangle on page 1 (the region writer).
void DrawPicture(console::Console& console, std::string_view name);

}  // namespace tessella::ui
