#pragma once
// Drawing the menu bar and its drop-downs. Both are composed on a hidden page and
// copied onto the displayed page in one step, so each step shows whole.
#include <string_view>

#include "console/console.h"
#include "ui/modal.h"

namespace tessella::editor::menu {

// Pages the menus use: page 1 is on display; page 2 is where pictures are composed;
// page 4 holds the screen with the bar and nothing highlighted; page 5 the screen with
// the open drop-down and no item highlighted.
inline constexpr int kScreenPage = 1;
inline constexpr int kComposePage = 2;
inline constexpr int kBarPage = 4;
inline constexpr int kDropDownPage = 5;

// The most items a drop-down has room for (rows 4 to 31, and its bottom row on 32).
inline constexpr int kMaxItems = 14;

// Prints text at (row, col) on the output page in fg on bg. What lies outside the
// console is left out, so a narrow or short console neither wraps nor scrolls.
void PrintClipped(console::Console& con, int row, int col, std::string_view text, int fg,
                  int bg);

// The three rows of the bar across the top of the screen.
void DrawMenuBar(console::Console& con);

// Unrolls the drop-down whose block position stands in item block_item of the
// definition list, count items, one item per pause.
void DropDown(const ui::Modal& ui, int block_item, int count);

// Title m in the highlight colours, on the output page.
void HighlightTitle(console::Console& con, int m);
// Item k of menu m in the highlight colours; nothing for an item without a highlight.
void HighlightItem(console::Console& con, int m, int k);

}  // namespace tessella::editor::menu
