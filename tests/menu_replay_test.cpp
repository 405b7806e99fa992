// The menus inside the running program: what a right click shows, what choosing nothing
// leaves behind, and File, Exit ending the session.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "console/cp437.h"
#include "replay_fixture.h"

namespace tessella {
namespace {

using testing::Replay;

std::string Repeat(std::string_view line, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) (s += line) += '\n';
  return s;
}

bool Holds(const std::string& dump, std::string_view text) {
  return dump.find(cp437::ToUtf8(text)) != std::string::npos;
}

TEST(MenuReplay, ChoosingNothingLeavesTheScreenAndCursorAsTheyWere) {
  Replay baseline("type ab\n");
  std::string script = "type a\n";
  for (int right = 0; right <= 4; ++right) {
    if (right == 4) continue;  // Help is a command of its own
    script += "rclick 10 10\n" + Repeat("key Right", right) + "key Enter\n";
  }
  script += "rclick 20 20\nclick 2 5\nclick 7 10\nkey Esc\n";  // spacer row, then Esc
  script += "rclick 20 20\nclick 2 25\nclick 28 30\n";          // below the last Area item
  script += "type b\n";
  Replay r(script);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.ed().pen.cursor_col, baseline.ed().pen.cursor_col);
  for (int row = 1; row <= 35; ++row) EXPECT_EQ(r.text(row, 1, 90), baseline.text(row, 1, 90));
}

TEST(MenuReplay, AKeyAfterAChosenCommandOnColumnOneIsTyped) {
  // Area's blank eighth item clears the console; the cursor stays on column 1.
  std::string script = "key Home\nrclick 10 40\nkey Right\nkey Right\n";
  for (int item = 1; item <= 8; ++item) script += "key Down\n";
  Replay r(script + "key Enter\ntype a\n");
  EXPECT_EQ(r.text(1, 1, 2), "a ");
  EXPECT_EQ(r.ed().pen.cursor_col, 2);
}

TEST(MenuReplay, DropDownTextsOnScreen) {
  Replay r("rclick 10 10\nkey Down\ndump file\n" + Repeat("key Down", 4) +
               "dump exit\nkey Esc\nrclick 10 10\nkey Right\nkey Right\nkey Down\n"
               "dump area\nkey Esc\n",
           true, "menu-texts");
  const std::string file = r.dump("file", ".txt");
  EXPECT_TRUE(Holds(file, "   File      Boxes     Area      Misc      Help   "));
  EXPECT_TRUE(Holds(file, "\xB1  Exit            \xB1"));
  EXPECT_TRUE(Holds(r.dump("exit", ".txt"), "\xB1  Exit     Alt-x  \xB1"));
  const std::string area = r.dump("area", ".txt");
  EXPECT_TRUE(Holds(area, " Copy PBCC XPRINT to ClipBoard           \xB1"));  // lit
  EXPECT_TRUE(Holds(area, "\xB1  GRAPHIC PRINT to ClipBoard              \xB1"));
  EXPECT_FALSE(Holds(area, "Copy PBCC GRAPHIC"));
  // The menu is gone once it returns.
  EXPECT_FALSE(Holds(r.dump("final", ".txt"), "Boxes"));
}

TEST(MenuReplay, ExitAnsweredYesEndsTheProgram) {
  Replay r("rclick 10 10\n" + Repeat("key Down", 5) + "key Enter\ntype y\ntype hello\n", true,
           "menu-exit-yes");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.host().pending(), 5u);  // none of "hello" was read
  EXPECT_TRUE(std::filesystem::exists(r.dumps / "final.txt"));
  EXPECT_FALSE(Holds(r.dump("final", ".txt"), "hello"));
}

TEST(MenuReplay, TabShiftF10AndTheMenuKeyOpenTheMenusAsARightClickDoes) {
  Replay baseline("type abc\n");
  for (const char* opener : {"key Tab", "key Shift-F10", "key Menu"}) {
    // Left without a choice, nothing is written and typing goes on where it was.
    Replay left("type ab\n" + std::string(opener) + "\nkey Esc\ntype c\n");
    EXPECT_EQ(left.ed().pen.cursor_col, baseline.ed().pen.cursor_col) << opener;
    for (int row = 1; row <= 35; ++row) {
      EXPECT_EQ(left.text(row, 1, 90), baseline.text(row, 1, 90)) << opener << " row " << row;
    }
    // File, Exit by keys alone.
    Replay exit(std::string(opener) + "\n" + Repeat("key Down", 5) + "key Enter\ntype y\ntype hi\n");
    EXPECT_EQ(exit.status, 0) << opener;
    EXPECT_EQ(exit.host().pending(), 2u) << opener;
    // It confirms the two corners clicked before it, as the click does: Boxes, item 1
    // frames the area rather than asking for corners.
    Replay box("click 5 5\nclick 10 30\n" + std::string(opener) +
               "\nkey Right\nkey Down\nkey Enter\n");
    EXPECT_EQ(box.ed().selection.flag_first, 5) << opener;
    EXPECT_EQ(box.ed().selection.flag_last, 10) << opener;
    EXPECT_EQ(box.cell(5, 5).ch, 0xDA) << opener;  // the frame's top-left corner
  }
}

TEST(MenuReplay, ExitAnsweredOtherwiseGoesOn) {
  for (const char* answer : {"type n", "click 5 60", "key Esc"}) {
    Replay r("rclick 10 10\nclick 2 5\nclick 12 5\n" + std::string(answer) + "\ntype hello\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.text(10, 40, 44), "hello") << answer;
    EXPECT_EQ(r.host().pending(), 0u);
  }
}

}  // namespace
}  // namespace tessella
