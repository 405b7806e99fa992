// The menu run on its own: keys, clicks and the Exit question fed to RunMenu, the code
// it returns and what it leaves on the screen.
#include <gtest/gtest.h>

#include <string>

#include "console/input.h"
#include "editor/menus.h"
#include "ui/catalogue.h"
#include "platform/replay_host.h"
#include "platform/replay_script.h"

namespace tessella::editor {
namespace {

constexpr int kShade = 177;

// A console, a host fed from a script, and the editor RunMenu works on.
struct MenuSession {
  console::Console con;
  platform::ReplayHost host;
  console::Input input;
  bool script_ran_out = false;

  explicit MenuSession(std::string_view script, int rows = 35, int cols = 90)
      : con(rows, cols), host(con, platform::ParseScript(script), {}), input(host) {}

  int Run() {
    try {
      return RunMenu(ui::Modal{con, input, host});
    } catch (const ports::SessionEnd&) {
      script_ran_out = true;
      return -1;
    }
  }
  console::Cell cell(int row, int col) const { return con.At(1, row, col); }
  std::string text(int row, int from, int to) const {
    std::string s;
    for (int c = from; c <= to; ++c) s += static_cast<char>(cell(row, c).ch);
    return s;
  }
};

int CodeOf(std::string_view script) {
  MenuSession s(script);
  const int code = s.Run();
  EXPECT_FALSE(s.script_ran_out) << script;
  EXPECT_EQ(s.con.output_page(), 1);
  EXPECT_EQ(s.con.displayed_page(), 1);
  return code;
}

// Whether the picture's characters and colours stand in its rectangle on page 1.
bool PictureShown(const MenuSession& s, std::string_view name) {
  const auto& p = *ui::FindPicture(name);
  size_t at = 0;
  for (int row = p.top; row <= p.bottom; ++row) {
    for (int col = p.left; col <= p.right; ++col, at += 2) {
      const console::Cell c = s.cell(row, col);
      if (c.ch != static_cast<unsigned char>(p.image[at]) ||
          c.attr != static_cast<unsigned char>(p.image[at + 1]))
        return false;
    }
  }
  return true;
}

std::string Repeat(std::string_view line, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) (s += line) += '\n';
  return s;
}

TEST(MenuKeys, EnterOnAClosedTitleGivesItsMenuCodeWithoutAnItem) {
  EXPECT_EQ(CodeOf("key Enter"), 10);
  EXPECT_EQ(CodeOf("key Right\nkey Enter"), 20);
  EXPECT_EQ(CodeOf(Repeat("key Right", 2) + "key Enter"), 30);
  EXPECT_EQ(CodeOf(Repeat("key Right", 3) + "key Enter"), 40);
  EXPECT_EQ(CodeOf(Repeat("key Right", 4) + "key Enter"), 50);
  EXPECT_EQ(CodeOf(Repeat("key Right", 5) + "key Enter"), 10);  // wraps to File
  EXPECT_EQ(CodeOf("key Left\nkey Enter"), 50);                 // wraps to Help
  EXPECT_EQ(CodeOf(Repeat("key Right", 4) + "key Down\nkey Enter"), 50);  // Help has no items
}

TEST(MenuKeys, DownWrapsAfterTheLastItemTheKeysReach) {
  EXPECT_EQ(CodeOf(Repeat("key Down", 6) + "key Enter"), 11);  // blank sixth File item skipped
  EXPECT_EQ(CodeOf("key Right\n" + Repeat("key Down", 15) + "key Enter"), 21);
  EXPECT_EQ(CodeOf("key Right\nkey Right\n" + Repeat("key Down", 11) + "key Enter"), 311);
  EXPECT_EQ(CodeOf("key Left\nkey Left\n" + Repeat("key Down", 5) + "key Enter"), 45);
  EXPECT_EQ(CodeOf("key Left\nkey Left\n" + Repeat("key Down", 6) + "key Enter"), 41);
}

TEST(MenuKeys, UpStepsBackAndClosesAtTheTitle) {
  EXPECT_EQ(CodeOf(Repeat("key Down", 3) + "key Up\nkey Enter"), 12);
  MenuSession s("key Down\nkey Up\nkey Enter");
  EXPECT_EQ(s.Run(), 10);
  EXPECT_EQ(s.cell(4, 1).ch, ' ');  // the drop-down is gone
  EXPECT_EQ(s.cell(2, 3).attr, 15 + 16 * 5);  // its title is lit again
  EXPECT_EQ(CodeOf("key Up\nkey Enter"), 10);
}

TEST(MenuKeys, SidewaysFromAnOpenDropDownOpensTheNextOneOnTheNextEvent) {
  // The event after Right is taken as Down, whatever it was.
  EXPECT_EQ(CodeOf("key Down\nkey Right\nkey Space\nkey Enter"), 21);
  EXPECT_EQ(CodeOf("key Down\nkey Right\nkey Enter\nkey Enter"), 21);
  EXPECT_EQ(CodeOf("key Right\nkey Down\nkey Down\nkey Left\nkey Esc\nkey Enter"), 11);
  // Up remembers one item less than it leaves current: back on the second item the next
  // menu still opens, back on the first it does not.
  EXPECT_EQ(CodeOf("key Down\nkey Down\nkey Down\nkey Up\nkey Right\nkey Space\nkey Enter"),
            21);
  EXPECT_EQ(CodeOf("key Down\nkey Down\nkey Up\nkey Right\nkey Enter"), 20);
  // With no drop-down open, sideways moves only move.
  EXPECT_EQ(CodeOf("key Down\nkey Up\nkey Right\nkey Enter"), 20);
}

TEST(MenuKeys, EscRightClickAndStrayEvents) {
  EXPECT_EQ(CodeOf("key Down\nkey Esc"), 0);
  EXPECT_EQ(CodeOf("key Down\nrclick 10 10"), 0);
  EXPECT_EQ(CodeOf("mclick 5 5\nclick 10 10\ntype q\nkey Enter"), 10);
}

TEST(MenuMouse, TitleClicksAndItemRows) {
  MenuSession help("click 2 45\nkey Enter");
  EXPECT_EQ(help.Run(), 50);
  EXPECT_EQ(help.host.pending(), 1u);  // Help answers at once
  EXPECT_EQ(CodeOf("click 2 5\nclick 8 10"), 13);
  EXPECT_EQ(CodeOf("click 2 15\nclick 30 20"), 214);
  EXPECT_EQ(CodeOf("click 2 25\nclick 24 60"), 311);
  EXPECT_EQ(CodeOf("click 2 35\nclick 12 40"), 45);
  // Rows below the last item give codes without a command.
  EXPECT_EQ(CodeOf("click 2 5\nclick 16 5"), 17);
  EXPECT_EQ(CodeOf("click 2 25\nclick 30 30"), 314);
  // Another title clicked while a drop-down waits is the next title click.
  EXPECT_EQ(CodeOf("click 2 5\nclick 2 25\nclick 4 30"), 31);
}

TEST(MenuMouse, ClicksOffTheItemsAndKeysCloseTheDropDown) {
  for (const char* close : {"click 7 10", "click 32 5", "click 8 18", "key Down", "type x"}) {
    MenuSession s(std::string("click 2 5\n") + close + "\nkey Enter");
    EXPECT_EQ(s.Run(), 10) << close;  // back on the File title, nothing chosen
    EXPECT_EQ(s.cell(1, 1).ch, 0xDC) << close;
    EXPECT_EQ(s.cell(4, 1).ch, ' ') << close;
  }
  // Between titles: no menu, so Enter and Down choose nothing; Left finds Help.
  EXPECT_EQ(CodeOf("click 2 10\nkey Down\nkey Enter"), 0);
  EXPECT_EQ(CodeOf("click 2 10\nkey Left\nkey Enter"), 50);
}

TEST(MenuExit, OnlyYesEndsTheProgram) {
  const std::string ask = Repeat("key Down", 5) + "key Enter\n";
  for (const char* yes : {"type y", "type Y", "click 21 5", "click 23 11"}) {
    MenuSession s(ask + yes);
    EXPECT_EQ(s.Run(), 15) << yes;
    EXPECT_TRUE(PictureShown(s, "exit_yes_lit")) << yes;
    EXPECT_EQ(s.host.slept_ms(), 6 * 40 + 500) << yes;
  }
  for (const char* no : {"type n", "key Enter", "click 22 4", "click 22 14", "click 10 60"}) {
    MenuSession s(ask + no);
    EXPECT_EQ(s.Run(), 0) << no;
    EXPECT_TRUE(PictureShown(s, "exit_no_lit")) << no;
    EXPECT_FALSE(s.script_ran_out);
  }
  EXPECT_EQ(CodeOf("click 2 5\nclick 12 5\ntype y"), 15);
}

TEST(MenuDrawing, BarDropDownAndHighlights) {
  MenuSession s("key Down\nkey Esc");
  EXPECT_EQ(s.Run(), 0);
  EXPECT_EQ(s.host.slept_ms(), 6 * 40);
  EXPECT_EQ(s.cell(1, 90).ch, 0xDC);
  EXPECT_EQ(s.cell(1, 90).attr, 1 + 16 * 9);
  EXPECT_EQ(s.cell(2, 47).attr, 15 + 16 * 4);
  EXPECT_EQ(s.cell(3, 1).ch, 0xDF);
  EXPECT_EQ(s.cell(3, 1).attr, 1);
  EXPECT_EQ(s.text(4, 1, 20), "\xB1  Open     Alt-O  \xB1");
  EXPECT_EQ(s.cell(4, 1).attr, 16);
  EXPECT_EQ(s.cell(4, 3).attr, 15 + 16 * 4);  // item 1 lit
  EXPECT_EQ(s.cell(6, 3).attr, 15 + 16);
  EXPECT_EQ(s.cell(6, 13).attr, 12 + 16);
  EXPECT_EQ(s.text(7, 1, 20), "\xB1" + std::string(18, ' ') + "\xB1");
  EXPECT_EQ(s.text(16, 1, 20), "\xB1" + std::string(18, '\xDC') + "\xB1");
  EXPECT_EQ(s.cell(17, 1).ch, ' ');
}

TEST(MenuDrawing, SmallConsolesAreNeitherWrappedNorScrolled) {
  MenuSession narrow("key Right\nkey Right\nkey Down\nkey Esc", 35, 80);
  EXPECT_EQ(narrow.Run(), 0);
  EXPECT_EQ(narrow.cell(2, 1).ch, ' ');  // no wrapped bar characters
  EXPECT_EQ(narrow.cell(4, 1).ch, ' ');
  EXPECT_EQ(narrow.cell(4, 21).ch, kShade);
  MenuSession shallow("key Right\nkey Down\nkey Esc", 12, 90);
  EXPECT_EQ(shallow.Run(), 0);
  EXPECT_EQ(shallow.cell(1, 1).ch, 0xDC);  // the bar was not scrolled away
  EXPECT_EQ(shallow.text(2, 1, 7), "   File");
}

}  // namespace
}  // namespace tessella::editor
