#pragma once
// The Help command: the Help menu and the help screens it opens.
#include <span>
#include <string_view>

#include "console/console.h"
#include "console/input.h"
#include "ui/picture_ids.h"

namespace tessella::help {

// One item of the Help menu: its key, its title as the menu shows it, the picture of
// its help screen ("" for the Esc cell, which leaves the menu) and its place in the
// menu's click grid.
struct HelpItem {
  char key;
  std::string_view title;
  ui::PictureId picture;  // kNone for the Esc cell
  int row;   // console row: 5, 7, ..., 23
  int band;  // 0, 1 or 2: columns 12-28, 33-49, 54-70
};

std::span<const HelpItem> HelpItems();

// The item whose cell holds (row, col), or nullptr.
const HelpItem* HelpItemAt(int row, int col);
// The item picked by a typed key: its character upper-cased against the item keys.
// "Esc" is picked only by its full title, never by a single 'E'.
const HelpItem* HelpItemForKey(std::string_view key);

// Shows the Help menu until Esc, a right click or the Esc cell; each picked item shows
// its help screen until a key is pressed. The console, cursor visibility included, is
// left exactly as it was found.
void RunHelp(console::Console& console, console::Input& input);

}  // namespace tessella::help
