// The menu texts and positions as data: the definition list must be laid out the way
// the drop-downs read it, and the codes the menus can return must mean what they say.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "editor/menu_model.h"
#include "app/menu_table.h"

namespace tessella::editor {
namespace {

using namespace menu;

bool HasCommand(int code) {
  const auto table = app::MenuTable();
  return std::any_of(table.begin(), table.end(),
                     [code](const app::MenuEntry& e) { return e.code == code; });
}

TEST(MenuModel, BlockPositionsMatchTheLayoutOfTheList) {
  const int expected_counts[] = {6, 14, 11, 5};
  int pos = 5;  // the first block follows the four positions
  for (int m = kFile; m <= kMisc; ++m) {
    EXPECT_EQ(DefinitionItem(m), std::to_string(pos)) << "menu " << m;
    ASSERT_NE(DropDownOf(m), nullptr);
    EXPECT_EQ(DropDownOf(m)->count, expected_counts[m - 1]);
    pos += 2 + 2 * DropDownOf(m)->count;
  }
  EXPECT_EQ(pos, static_cast<int>(DefinitionList().size()) + 1);
  EXPECT_EQ(DropDownOf(kHelp), nullptr);
}

TEST(MenuModel, EveryItemFillsItsBlockWidthUnderItsTitle) {
  const int widths[] = {16, 21, 40, 26};
  for (int m = kFile; m <= kMisc; ++m) {
    const DropDownMenu& menu = *DropDownOf(m);
    const Block block = ReadBlock(m, menu.count);
    EXPECT_EQ(block.width, widths[m - 1]);
    // Item texts start two columns in, right under the title.
    EXPECT_EQ(block.left + 2, TitleColumn(m));
    ASSERT_EQ(static_cast<int>(block.items.size()), menu.count);
    for (const Item& item : block.items) {
      EXPECT_EQ(static_cast<int>(item.label.size() + item.hotkey.size()), block.width)
          << "menu " << m << " item '" << item.label << "'";
    }
    // Clicks count only over the drop-down, up to the space before its right side.
    EXPECT_GE(menu.span_left, block.left);
    EXPECT_LE(menu.span_right, block.left + block.width + 2);
  }
}

TEST(MenuModel, HighlightsRepeatTheItemExceptExitAndTheAreaNames) {
  for (int m = kFile; m <= kMisc; ++m) {
    const DropDownMenu& menu = *DropDownOf(m);
    const Block block = ReadBlock(m, menu.count);
    ASSERT_EQ(static_cast<int>(menu.highlights.size()), menu.count);
    for (int k = 1; k <= menu.reachable; ++k) {
      const std::string_view lit = menu.highlights[k - 1];
      const Item& item = block.items[k - 1];
      // Never wider than the text plus the space before the side.
      EXPECT_GE(static_cast<int>(lit.size()), block.width);
      EXPECT_LE(static_cast<int>(lit.size()), block.width + 1);
      // The Area highlights are texts of their own; elsewhere only Exit differs.
      if (m == kArea) continue;
      const bool same = lit == std::string(item.label) + std::string(item.hotkey);
      EXPECT_EQ(same, !(m == kFile && k == 5)) << "menu " << m << " item " << k;
    }
  }
  EXPECT_EQ(DropDownOf(kFile)->highlights[4], " Exit     Alt-x ");
  EXPECT_EQ(ReadBlock(kFile, 6).items[4].hotkey, "      ");
  EXPECT_EQ(DropDownOf(kFile)->reachable, 5);
  EXPECT_TRUE(DropDownOf(kFile)->highlights[5].empty());
  EXPECT_EQ(DropDownOf(kMisc)->reachable, 5);
  EXPECT_EQ(ReadBlock(kArea, 11).items[0].label.substr(0, 20), " XPRINT to ClipBoard");
  EXPECT_EQ(DropDownOf(kArea)->highlights[0].substr(0, 30), " Copy PBCC XPRINT to ClipBoard");
}

TEST(MenuModel, TitlesSitOnTheBarAndClickRangesDoNotOverlap) {
  std::string bar(BarText());
  bar.resize(kBarWidth, ' ');
  int previous_right = 0;
  for (int m = 1; m <= kMenuCount; ++m) {
    const Title& t = Titles()[m - 1];
    EXPECT_EQ(bar.substr(TitleColumn(m) - 1, t.text.size()), t.text) << t.text;
    EXPECT_GT(t.click_left, previous_right);
    previous_right = t.click_right;
    EXPECT_EQ(TitleAtColumn(t.click_left), m);
    EXPECT_EQ(TitleAtColumn(t.click_right), m);
  }
  for (int col : {1, 2, 9, 12, 22, 43, 48, 90}) EXPECT_EQ(TitleAtColumn(col), 0) << col;
}

TEST(MenuModel, CommandCodesAreMenuDigitsThenItemDigits) {
  EXPECT_EQ(CommandCode(2, 14), 214);
  EXPECT_EQ(CommandCode(3, 10), 310);
  EXPECT_EQ(CommandCode(1, 5), 15);
  EXPECT_EQ(CommandCode(kHelp, 0), 50);
  EXPECT_EQ(CommandCode(0, 0), 0);
}

// Every code a menu can return: closed titles, every drawn item, and every row a click
// can pick below the last item. Only items with a text (and the blank Area 8 and Misc
// 5, which clear and undo) may carry a command.
TEST(MenuModel, OnlyRealItemsHaveCommands) {
  EXPECT_TRUE(HasCommand(CommandCode(kHelp, 0)));
  for (int m = kFile; m <= kMisc; ++m) {
    EXPECT_FALSE(HasCommand(CommandCode(m, 0))) << "closed menu " << m;
    const int count = DropDownOf(m)->count;
    for (int k = 1; k <= 14; ++k) {
      const bool blank_file_item = m == kFile && k == 6;
      EXPECT_EQ(HasCommand(CommandCode(m, k)), k <= count && !blank_file_item)
          << "menu " << m << " item " << k;
    }
  }
}

}  // namespace
}  // namespace tessella::editor
