#pragma once
// Edit (F12): the text of an area rewritten in an editor and written back word-wrapped
// between the area's columns.
#include <string>
#include <string_view>

#include "core/command.h"
#include "ui/text_editor.h"

namespace tessella::areas {

// The character bytes of an area's rows, one after the other, every run of blanks made
// one blank.
std::string CollapseBlanks(std::string_view text);

// The editor's text area for an area of width x height cells: the edit box the program
// has always sized in dialog units (6 or 5 a column, 12, 11 or 10 a row), at 4 units to
// a character's width and 8 to its height.
ui::TextAreaSize EditorSizeFor(int width, int height);

// F12: needs an area of at least two rows. The area's text goes to the clipboard and
// into the editor; the area is blanked in the text colour on the background of its
// second corner (that blank area is what the area buffer keeps), and the edited text,
// its line breaks made blanks, is written back word-wrapped from the top row in that
// colour; lines that do not fit in the area are dropped. The area is used up and the
// cursor stands on its top-left cell.
core::Next EditAreaText(core::Editor& ed, core::Event& ev);

}  // namespace tessella::areas
