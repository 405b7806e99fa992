// The menus inside the running program: File, Exit ending the session, and the keys that
// open the menus as a right click does.
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

}  // namespace
}  // namespace tessella
