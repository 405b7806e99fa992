// F6 and Alt-F through the main loop: what the options and launcher boxes pick, what
// reaches the clipboard, and what every run leaves behind; and the warning all three
// commands give without an area.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "area_bench.h"
#include "codegen/freebasic_code.h"
#include "codegen/pbcc_code.h"

namespace tessella {
namespace {

using codegen::ClickableWords;
using codegen::CodeOption;
using codegen::Launcher;
using testing::AreaBench;

const console::Rect kArea{5, 10, 7, 20};
const std::string kCorners = "click 5 10\nclick 7 20\n";

// The corners, the right click that confirms them, and an Area menu item.
std::string AreaMenuItem(int item) {
  std::string s = kCorners + "rclick 12 12\nkey Right\nkey Right\n";
  for (int i = 0; i < item; ++i) s += "key Down\n";
  return s + "key Enter\n";
}

ClickableWords OneWord() {
  ClickableWords words;
  codegen::MarkWord(words, " Go ", {3, 5, 3, 8});
  return words;
}

// A bench with a pattern on screen, one marked word and something in the area buffer.
void Prepare(AreaBench& b) {
  b.PaintPattern();
  b.ed.pen.txcolor = 3;
  b.ed.pen.bgcolor = 9;
  b.ed.generators.if_list = OneWord().if_list;
  b.ed.generators.case_list = OneWord().case_list;
  b.ed.selection.buffer = {"AbCd", 1, 1};
}

ClickableWords WordsOf(const core::Editor& ed) {
  return {ed.generators.if_list, ed.generators.case_list};
}

TEST(ConsoleCodeCommands, TheBoxesPickTheTextAndEveryRunLeavesNoTrace) {
  constexpr int kPbcc = 5, kFreeBasic = 11;  // Area menu items
  struct Case {
    int item;
    const char* events;  // in the options box, then in the launcher box
    CodeOption option;
    Launcher picked;
    int cursor_col;      // where the options box left the cursor on row 11; 0: not moved
  };
  const Case cases[] = {
      {kPbcc, "click 11 15\nclick 16 30\n", CodeOption::kAll, Launcher::kPbcc, 15},
      {kPbcc, "rclick 11 41\nclick 15 61\n", CodeOption::kLauncher, Launcher::kAsm, 41},
      {kPbcc, "click 11 66\nclick 17 24\n", CodeOption::kSelect, Launcher::kPbcc, 67},  // past the tick
      {kPbcc, "click 11 18\nclick 16 46\n", CodeOption::kNone, Launcher::kAsm, 18},
      {kPbcc, "type x\nclick 16 30\n", CodeOption::kNone, Launcher::kPbcc, 0},
      // Beside both launcher buttons, or a key there: a cancel.
      {kPbcc, "click 11 15\nclick 16 40\n", CodeOption::kAll, Launcher::kNone, 15},
      {kPbcc, "click 11 66\ntype p\n", CodeOption::kSelect, Launcher::kNone, 67},
      {kFreeBasic, "click 11 16\n", CodeOption::kAll, Launcher::kNone, -1},
      {kFreeBasic, "click 19 16\n", CodeOption::kNone, Launcher::kNone, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.events);
    AreaBench b;
    Prepare(b);
    std::vector<std::pair<int, int>> cursors;  // at every wait for input
    b.host.on_wait = [&, screens = b.host.on_wait] {
      screens();
      cursors.emplace_back(b.console.cursor_row(), b.console.cursor_col());
    };
    const std::string before = b.WorkScreen();
    const console::ScreenImage area = b.console.ReadImage(5, 10, 7, 20).ToScreen();

    b.Run(AreaMenuItem(c.item) + c.events);

    ClickableWords words = OneWord();
    const std::optional<std::string> expected =
        c.item == kFreeBasic ? codegen::FreeBasicScreenCode(area, kArea, c.option, words)
                             : codegen::PbccScreenCode(area, kArea, c.option, c.picked, words);
    EXPECT_EQ(b.host.clipboard, expected);
    EXPECT_EQ(WordsOf(b.ed), words) << "used up exactly when the handler was built";
    if (c.item == kPbcc) {
      // The launcher box's wait shows what the options box left: the cursor on the
      // clicked cell (a key leaves it where it was), the tick in green on light red.
      ASSERT_GE(cursors.size(), 2u);
      const auto at_options = cursors[cursors.size() - 2];
      EXPECT_EQ(cursors.back(), c.cursor_col == 0 ? at_options : std::pair(11, c.cursor_col));
      const std::string& shown = b.screens.at_wait.back();
      const size_t tick = 2 * (10 * 90 + 65);  // row 11, column 66
      EXPECT_EQ(shown.substr(tick, 2) == "\xFB\xC2", c.option == CodeOption::kSelect);
    }
    EXPECT_EQ(b.WorkScreen(), before);
    EXPECT_EQ(b.ed.selection.buffer.image, "");
    EXPECT_EQ(b.ed.selection.buffer.width + b.ed.selection.buffer.height, 0);
    EXPECT_FALSE(b.ed.selection.Confirmed());
    EXPECT_EQ(b.console.color(), console::Attribute(3, 9));
  }
}

// The other generators through the Area menu: what each run leaves. The text copies
// keep the buffer's size and drop its image; every other generator empties the buffer.
TEST(GeneratorCommands, EachRunLeavesTheScreenTheBufferAndTheColoursAsDesigned) {
  struct Case {
    int item;            // Area menu item
    const char* events;  // the answers its boxes get
    bool text_copy;
  };
  const Case cases[] = {
      {1, "", false},                              // XPRINT
      {2, "", false},                              // GRAPHIC PRINT
      {3, "click 19 36\n", false},                 // user control PBCC, Yes
      {4, "type Nm\nkey Enter\nclick 19 30\n", false},  // user control PBdos/QB, No
      {6, "click 12 41\nclick 16 40\ntype L\nkey Enter\n", false},  // DOS, PB
      {7, "", true},                               // regular text
      {9, "", true},                               // text with lines
      {10, "click 19 36\n", false},                // Atom, Yes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    AreaBench b;
    Prepare(b);
    b.ed.lines.pending = 196;
    b.console.SetCursorVisible(false);
    const std::string before = b.WorkScreen();

    b.Run(AreaMenuItem(c.item) + c.events);

    EXPECT_TRUE(b.host.clipboard.has_value());
    EXPECT_EQ(b.WorkScreen(), before);
    EXPECT_EQ(b.ed.selection.buffer.image, "");
    EXPECT_EQ(b.ed.selection.buffer.width, c.text_copy ? kArea.width() : 0);
    EXPECT_EQ(b.ed.selection.buffer.height, c.text_copy ? 1 : 0);  // a copy leaves it alone
    EXPECT_FALSE(b.ed.selection.Confirmed());
    EXPECT_EQ(b.ed.lines.pending, 0);
    EXPECT_EQ(b.console.color(), console::Attribute(3, 9));
    EXPECT_EQ(WordsOf(b.ed), OneWord());
    EXPECT_TRUE(c.text_copy || b.console.cursor_visible());
  }
}

TEST(ConsoleCodeCommands, WithoutAnAreaEachWarnsAndChangesNothing) {
  // Confirmed by the right click, but the key that follows the closed menus leaves the
  // first corner at 0.
  const std::string menus_closed = kCorners + "rclick 12 12\nkey Esc\n";
  const std::string scripts[] = {"key F6\n", "key Alt-F\n", "click 35 30\n",
                                 menus_closed + "key Alt-Y\n", menus_closed + "key F6\n"};
  for (const std::string& script : scripts) {
    SCOPED_TRACE(script);
    AreaBench b;
    Prepare(b);
    const std::string before = b.WorkScreen();
    b.Run(script + "key Space\n");  // the space dismisses the warning

    EXPECT_EQ(b.host.beeps, 1);
    EXPECT_EQ(b.host.clipboard, std::nullopt);
    EXPECT_EQ(WordsOf(b.ed), OneWord());
    EXPECT_EQ(b.ed.selection.buffer.image, "AbCd");
    EXPECT_EQ(b.WorkScreen(), before);
  }
}

}  // namespace
}  // namespace tessella
