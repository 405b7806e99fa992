// What the renderer sends the terminal, byte for byte.
#include "platform/terminal_renderer.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "console/console.h"
#include "platform/terminal_sgr.h"

namespace tessella::platform {
namespace {

using console::Console;

std::string Frame(TerminalRenderer& r, const Console& c) {
  std::string out;
  r.Render(TerminalFrame::Of(c), out);
  return out;
}

// A renderer that has already shown the console once.
TerminalRenderer Shown(const Console& c, int rows = 35, int cols = 90) {
  TerminalRenderer r;
  r.SetTerminalSize(rows, cols);
  Frame(r, c);
  return r;
}

TEST(TerminalRenderer, UnchangedFrameSendsNothing) {
  Console c;
  c.PutText(3, 3, 14, 1, "Hello");
  TerminalRenderer r = Shown(c);
  EXPECT_EQ(Frame(r, c), "");
}

TEST(TerminalRenderer, OneChangedCellSendsPositionColoursAndGlyph) {
  Console c;
  TerminalRenderer r = Shown(c);
  c.WriteChars(5, 10, "\x01");
  c.FillAttribute(5, 10, 1, console::Attribute(4, 1));  // red on blue
  // Jump to the cell, red (ANSI 1) on blue (ANSI 4), the smiley, and the cursor back.
  EXPECT_EQ(Frame(r, c), "\x1b[5;10H\x1b[31;44m\u263A\x1b[H");
}

TEST(TerminalRenderer, GlyphsAreCodePage437InUtf8) {
  Console c;
  TerminalRenderer r = Shown(c);
  c.SetCursorVisible(false);
  c.WriteChars(1, 1, std::string("\0\xB0\x7F\x82", 4));
  const std::string out = Frame(r, c);
  EXPECT_NE(out.find(" \u2591\u2302\u00E9"), std::string::npos) << out;
}

TEST(TerminalRenderer, ColoursMapBlueAndRedAndKeepSixteenBackgroundsApart) {
  EXPECT_EQ(AnsiColour(0), 0);
  EXPECT_EQ(AnsiColour(1), 4);   // blue
  EXPECT_EQ(AnsiColour(3), 6);   // cyan
  EXPECT_EQ(AnsiColour(4), 1);   // red
  EXPECT_EQ(AnsiColour(6), 3);   // brown
  EXPECT_EQ(AnsiColour(9), 12);  // bright blue
  EXPECT_EQ(AnsiColour(12), 9);  // bright red
  std::set<std::string> backgrounds;
  for (int bg = 0; bg < 16; ++bg) {
    std::string sgr;
    AppendSgrColours(sgr, console::Attribute(7, bg), -1);
    backgrounds.insert(sgr.substr(sgr.find(';') + 1));
    EXPECT_EQ(sgr.find("5;"), std::string::npos) << "no blink for " << bg;
  }
  EXPECT_EQ(backgrounds.size(), 16u);
  std::string bright;
  AppendSgrColours(bright, console::Attribute(9, 15), -1);
  EXPECT_EQ(bright, "94;107");
  // Only the part that changed is sent.
  std::string fg_only;
  AppendSgrColours(fg_only, console::Attribute(2, 1), console::Attribute(7, 1));
  EXPECT_EQ(fg_only, "32");
}

TEST(TerminalRenderer, ChangesOnOneLineShareTheCursorAndColour) {
  Console c;
  TerminalRenderer r = Shown(c);
  c.SetCursorVisible(false);
  c.WriteChars(2, 1, "A");
  c.WriteChars(2, 3, "B");   // one unchanged cell between: rewritten, no jump
  c.WriteChars(2, 20, "C");  // far: jump forward on the same line
  EXPECT_EQ(Frame(r, c), "\x1b[2;1HA B\x1b[16C" "C\x1b[?25l");
}

TEST(TerminalRenderer, CursorFollowsPositionVisibilityAndShape) {
  Console c;
  TerminalRenderer r = Shown(c);
  c.Locate(4, 7);
  EXPECT_EQ(Frame(r, c), "\x1b[4;7H");
  c.SetCursorVisible(false);
  EXPECT_EQ(Frame(r, c), "\x1b[?25l");
  c.SetCursorVisible(true);
  c.SetCursorSize(100);
  EXPECT_EQ(Frame(r, c), "\x1b[1 q\x1b[?25h");
}

TEST(TerminalRenderer, TitleIsSentOnceWhenItChanges) {
  Console c;
  TerminalRenderer r = Shown(c);
  c.SetTitle("Tessella \x82");
  EXPECT_EQ(Frame(r, c), "\x1b]2;Tessella \u00E9\a");
  EXPECT_EQ(Frame(r, c), "");
}

TEST(TerminalRenderer, SmallTerminalShowsWhatFitsAndTheSizeNeeded) {
  Console c;
  c.PutText(1, 1, 7, 0, "top-left");
  c.PutText(20, 1, 7, 0, "below the fold");
  TerminalRenderer r;
  r.SetTerminalSize(24, 80);
  const std::string out = Frame(r, c);
  EXPECT_NE(out.find("top-left"), std::string::npos);
  EXPECT_NE(out.find("below the fold"), std::string::npos);  // row 20 of 23 shown
  EXPECT_NE(out.find("needs 90x35"), std::string::npos);
  // Nothing is drawn past the terminal's last column.
  EXPECT_EQ(out.find(";81H"), std::string::npos);

  // Once the terminal is large enough the notice gives way to the console.
  c.PutText(35, 1, 7, 0, "last console line");
  r.SetTerminalSize(35, 90);
  const std::string fits = Frame(r, c);
  EXPECT_NE(fits.find("last console line"), std::string::npos);
  EXPECT_EQ(fits.find("needs"), std::string::npos);
}

TEST(TerminalRenderer, LargeTerminalIsBlankedBeyondTheConsole) {
  Console c(2, 10);
  c.SetColor(15, 4);
  c.Clear();
  TerminalRenderer r;
  r.SetTerminalSize(3, 12);
  const std::string out = Frame(r, c);
  // The console's cells, then light grey on black blanks for the rest of each line and
  // the whole third line.
  EXPECT_EQ(out,
            "\x1b[H\x1b[0;97;41m          \x1b[37;40m  "
            "\x1b[2;1H\x1b[97;41m          \x1b[37;40m  "
            "\x1b[3;1H            "
            // The cursor: home, underline shape, shown.
            "\x1b[H\x1b[3 q\x1b[?25h");
}

TEST(TerminalRenderer, ResizedTerminalIsPaintedAgain) {
  Console c(2, 10);
  TerminalRenderer r = Shown(c, 2, 10);
  r.SetTerminalSize(2, 10);
  const std::string out = Frame(r, c);
  EXPECT_NE(out.find("\x1b[0;37;40m"), std::string::npos);  // colours are not trusted
  EXPECT_NE(out.find("\x1b[?25h"), std::string::npos);
  EXPECT_EQ(Frame(r, c), "");
}

}  // namespace
}  // namespace tessella::platform
