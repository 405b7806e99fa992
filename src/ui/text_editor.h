#pragma once
// A modal multi-line text editor drawn in the console: a framed box with a title in its
// top edge, a text area and an "Ok" button below it. Typing inserts at the caret; the
// arrows, Home, End, Backspace and Del edit; Enter starts a new line. Lines longer than
// the text area run on in the rows below it. It opens with the caret at the end of the
// text and ends only by its Ok: a click on the button, Alt-O, or Tab to the button and
// Enter (or Space); Esc does nothing. The console is as it was afterwards.
#include <cstddef>
#include <string>
#include <string_view>

#include "ui/modal.h"

namespace tessella::ui {

// Size of the text area in cells. The box is made wide enough for its title, and small
// enough for the console (it is cut at the console's edges when even the smallest box
// does not fit).
struct TextAreaSize {
  int cols = 1;
  int lines = 1;
};

// Edits `text` (a CR LF in it is a line break) and returns it with CR LF between its
// lines. The text never grows past max_chars characters, a line break counting two; a
// longer text is cut to max_chars first.
std::string EditText(const Modal& ui, std::string_view title, std::string_view text,
                     TextAreaSize size, std::size_t max_chars);

}  // namespace tessella::ui
