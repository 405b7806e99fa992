#pragma once
// The catalogue of pictures: title, logo, toolbar line, help screens, message and
// choice boxes. Each is a constant screen image with its fixed rectangle, and a dialog
// box also names its buttons and input fields; all are built at compile time from the
// text files in src/ui/pictures/, which also give every picture, button and field a
// compile-time name (ui/picture_ids.h).
#include <span>
#include <string_view>

#include "console/console.h"
#include "console/rect.h"
#include "ui/picture_ids.h"

namespace tessella::ui {

// A place in a dialog box that a click (or a key) presses.
struct Button {
  std::string_view name;
  console::Rect click;     // the cells where a click presses it
  PictureId lit;           // the button drawn pressed, kNone for none
  int lit_ms;              // how long it stays drawn pressed
  std::string_view keys;   // typed characters that press it
  bool is_default;         // pressed by any event no other button takes
};

// Where the user types a line in a dialog box: the echo starts at (row, col) and shows
// at most `length` characters.
struct Field {
  std::string_view name;
  int row;
  int col;
  int length;
};

struct Picture {
  std::string_view name;
  int left = 0;    // columns and rows, 1-based and inclusive
  int right = 0;
  int top = 0;
  int bottom = 0;
  std::string_view image;  // screen image: (character, attribute) pairs, row by row
  std::span<const Button> buttons;
  std::span<const Field> fields;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

std::span<const Picture> AllPictures();
const Picture& GetPicture(PictureId id);
// nullptr when there is no picture of that name (for tools and tests).
const Picture* FindPicture(std::string_view name);
PictureId IdOf(const Picture& picture);
// Writes the picture to its rectangle on page 1 (the region writer).
void DrawPicture(console::Console& console, PictureId id);

}  // namespace tessella::ui
