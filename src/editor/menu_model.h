#pragma once
// What the menu bar shows, as data: the five titles, the drop-down definition list the
// drop-downs are drawn from, the texts of highlighted items, and where clicks land.
#include <span>
#include <string_view>
#include <vector>

namespace tessella::editor::menu {

inline constexpr int kFile = 1;
inline constexpr int kBoxes = 2;
inline constexpr int kArea = 3;
inline constexpr int kMisc = 4;
inline constexpr int kHelp = 5;
inline constexpr int kMenuCount = 5;

// The bar is 90 columns wide, whatever the console's width.
inline constexpr int kBarWidth = 90;
// Row 2 of the bar: the titles as plain text; spaces fill the bar's width after it.
std::string_view BarText();

struct Title {
  std::string_view text;  // printed over the bar when the title is highlighted
  int click_left;         // a left click on row 2 in these columns picks the title
  int click_right;
};
// Column where title m (1-5) and the items of its drop-down start.
inline constexpr int TitleColumn(int m) { return 10 * m - 7; }
// Titles 1-5; Titles()[m - 1].
std::span<const Title> Titles();
// The menu whose click range holds the column, 0 for none.
int TitleAtColumn(int col);

// The drop-down definition list. Positions are 1-based: items 1-4 name the position
// where the block of menu 1-4 begins; a block is the text width w, the left column x,
// then a label and a hotkey text per item, label + hotkey being w characters long.
std::span<const std::string_view> DefinitionList();
// Item pos (1-based) of the list; "" outside it.
std::string_view DefinitionItem(int pos);

struct DropDownMenu {
  int count;      // items drawn
  int reachable;  // items Down and Up step through
  int span_left;  // columns where a click in the open drop-down counts
  int span_right;
  // Printed over an item while it is the current item; "" for an item keys never reach.
  std::span<const std::string_view> highlights;
};
// Menus 1-4; nullptr for any other number (Help has no drop-down).
const DropDownMenu* DropDownOf(int m);

struct Item {
  std::string_view label;
  std::string_view hotkey;
};
struct Block {
  int width = 0;  // w: characters of label + hotkey
  int left = 0;   // x: column of the drop-down's left edge
  std::vector<Item> items;
};
// Reads the block whose position stands in item block_item of the list, with count
// items. Items beyond the end of the list are left out.
Block ReadBlock(int block_item, int count);

// The command code of item k of menu m: the digits of m followed by the digits of k
// (menu 2 item 14 gives 214; a closed menu gives m followed by 0).
int CommandCode(int m, int k);

}  // namespace tessella::editor::menu
