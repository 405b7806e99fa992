// Raised and sunken boxes: the table of styles, the panel's cells, and the command as
// the Boxes menu runs it.
#include <gtest/gtest.h>

#include "app/key_table.h"
#include "app/menu_table.h"
#include "area_bench.h"
#include "areas/panels.h"

namespace tessella {
namespace {

TEST(PanelStyles, RaisedAndSunkenPairsInMenuOrderEachReachedByItsMenuItemAndKey) {
  const auto styles = areas::PanelStyles();
  const auto menu = app::MenuTable();
  ASSERT_EQ(styles.size(), 14u);
  const int backgrounds[] = {8, 7, 9, 3, 2, 6, 5};
  for (size_t i = 0; i < styles.size(); ++i) {
    const areas::PanelStyle& s = styles[i];
    EXPECT_EQ(s.raised, i % 2 == 0) << i;
    EXPECT_EQ(s.background, backgrounds[i / 2]) << i;
    // Boxes item i + 1 has the command code 21..29, 210..214.
    const int code = i < 9 ? 21 + static_cast<int>(i) : 201 + static_cast<int>(i);
    const auto item = std::find_if(menu.begin(), menu.end(), [code](const auto& e) { return e.code == code; });
    ASSERT_NE(item, menu.end()) << code;
    EXPECT_EQ(item->keynumber, s.keynumber) << i;
    ASSERT_NE(app::FindKey(s.keynumber), nullptr);
    EXPECT_EQ(app::FindKey(s.keynumber)->command, &areas::DrawPanel) << i;
    EXPECT_EQ(areas::FindPanelStyle(s.keynumber), &s);
    // The sunken style after a raised one swaps its edges; the raised edge is lighter.
    if (s.raised) {
      EXPECT_EQ(styles[i + 1].first_edge, s.second_edge) << i;
      EXPECT_EQ(styles[i + 1].second_edge, s.first_edge) << i;
      EXPECT_GT(s.first_edge, s.second_edge) << i;
    }
  }
  // Two columns: the corners only, ┌┐ over └┘.
  EXPECT_EQ(areas::PanelImage(styles[0], 2, 2).bytes(), std::string("\xDA\x87\xBF\x80\xC0\x87\xD9\x80", 8));
}

// Two corner clicks, a right click and the Boxes menu's item.
std::string BoxFromMenu(int r1, int c1, int r2, int c2, int item) {
  std::string s = "click " + std::to_string(r1) + " " + std::to_string(c1) + "\nclick " + std::to_string(r2) +
                  " " + std::to_string(c2) + "\nrclick 20 20\nkey Right\n";
  for (int i = 0; i < item; ++i) s += "key Down\n";
  return s + "key Enter\n";
}

TEST(PanelCommand, FlashesBuffersWhatWasThereAndKeepsTheArea) {
  testing::AreaBench b;
  b.PaintPattern();
  const std::string before = b.Region(3, 4, 6, 9);
  b.ed.lines.pending = 178;
  b.Run(BoxFromMenu(3, 4, 6, 9, 3));  // raised, light grey: 15 and 8 on 7

  const size_t corner = 2 * (2 * 90 + 3);  // the menus pause too: the flash is one pause
  EXPECT_TRUE(std::any_of(b.screens.at_pause.begin(), b.screens.at_pause.end(),
                          [&](const std::string& s) { return s.substr(corner, 2) == "\xB0\x4E"; }));
  EXPECT_EQ(b.host.beeps, 0);
  EXPECT_EQ(b.ed.selection.buffer.image, before);
  EXPECT_EQ(b.ed.selection.buffer.width, 6);
  EXPECT_EQ(b.ed.selection.buffer.height, 4);
  EXPECT_EQ(b.ed.selection.flag_first, 3);
  EXPECT_EQ(b.ed.selection.flag_last, 6);
  EXPECT_EQ(b.ed.lines.pending, 0);
  EXPECT_EQ(b.console.AtOutput(3, 4), (console::Cell{0xDA, 0, 0x7F, 0}));
  EXPECT_EQ(b.console.AtOutput(6, 9), (console::Cell{0xD9, 0, 0x78, 0}));
  EXPECT_EQ(b.console.AtOutput(7, 9).ch, testing::PatternChar(7, 9));
}

TEST(PanelCommand, AreasThatAreNoBoxOnlyWarn) {
  const std::string second_choice = "rclick 9 20\nkey Right\nkey Down\nkey Down\nkey Enter\n";
  const std::pair<const char*, std::string> cases[] = {
      {"one row", BoxFromMenu(5, 10, 5, 20, 1)},
      {"one column", BoxFromMenu(5, 10, 9, 10, 1)},
      {"corners at row 0 (a key after a confirmation)", "click 5 10\nclick 9 20\nclick 35 53\nkey Alt-B\n"},
      {"a second style without new corners", BoxFromMenu(5, 10, 9, 20, 1) + second_choice},
  };
  for (const auto& [what, script] : cases) {
    testing::AreaBench b;
    b.PaintPattern();
    b.Run(script + "key Esc\n");
    EXPECT_EQ(b.host.beeps, 1) << what;
    // Only the first of two choices draws; the sunken style would make (5, 20) 0xB0.
    const bool drawn = script.ends_with(second_choice);
    EXPECT_EQ(b.console.AtOutput(5, 10).ch, drawn ? 0xDA : testing::PatternChar(5, 10)) << what;
    EXPECT_EQ(b.console.AtOutput(5, 20).attr, drawn ? 0x80 : testing::PatternAttr(5, 20)) << what;
  }
}

}  // namespace
}  // namespace tessella
