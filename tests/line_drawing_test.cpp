// Line drawing through the running program: the glyph click drawing boxes and lines
// around an area or loading the arrow keys, and the arrow keys' trails, turns and
// crossings. The cursor starts at row 10, column 40; the glyphs sit at row 35.
#include <gtest/gtest.h>

#include <string>

#include "replay_fixture.h"

namespace tessella {
namespace {

using testing::Replay;

constexpr int kTyping = 1 + 16 * 15;  // the typing colours at start-up

std::string Bytes(std::initializer_list<int> codes) {
  std::string s;
  for (int c : codes) s += static_cast<char>(c);
  return s;
}

std::string Repeat(int code, int n) { return std::string(n, static_cast<char>(code)); }

// Right-clicks that step the style index from 0 to `style`.
std::string ToStyle(int style) {
  std::string s;
  for (int i = 0; i < style; ++i) s += "rclick 35 44\n";
  return s;
}

TEST(LineBox, DrawnAroundTheAreaLeavingTheInside) {
  // Text inside first: a one-cell choice ended by a key puts the cursor there.
  Replay r("click 6 12\nclick 6 12\ntype AB\n"
           "click 5 10\nclick 8 20\nclick 35 44\n");
  EXPECT_EQ(r.text(5, 10, 20), Bytes({201}) + Repeat(205, 9) + Bytes({187}));  // ╔═╗
  for (int row : {6, 7}) {
    EXPECT_EQ(r.cell(row, 10).ch, 186);  // ║
    EXPECT_EQ(r.cell(row, 20).ch, 186);
  }
  EXPECT_EQ(r.text(8, 10, 20), Bytes({200}) + Repeat(205, 9) + Bytes({188}));  // ╚═╝
  EXPECT_EQ(r.text(6, 11, 19), " AB      ");
  EXPECT_EQ(r.text(7, 11, 19), std::string(9, ' '));
  EXPECT_EQ(r.cell(8, 20).attr, kTyping);
  // Drawing unloads the arrow keys and uses up the area.
  EXPECT_EQ(r.ed().lines.mode, 0);
  EXPECT_EQ(r.ed().selection.flag_first, 0);
  EXPECT_EQ(r.ed().selection.area.c2, 0);
}

TEST(LineBox, BlockStyleBoxAndOneRowAndOneColumnLines) {
  Replay block(ToStyle(4) + "click 5 10\nclick 7 13\nclick 35 44\n");
  EXPECT_EQ(block.text(5, 10, 13), Bytes({219, 223, 223, 219}));  // █▀▀█
  EXPECT_EQ(block.text(6, 10, 13), Bytes({219, ' ', ' ', 219}));
  EXPECT_EQ(block.text(7, 10, 13), Bytes({219, 220, 220, 219}));  // █▄▄█

  Replay row("click 5 10\nclick 5 14\nclick 35 44\n");
  EXPECT_EQ(row.text(5, 10, 14), Bytes({204, 205, 205, 205, 185}));  // ╠═══╣
  EXPECT_EQ(row.text(6, 10, 14), std::string(5, ' '));
  EXPECT_EQ(row.ed().lines.mode, 0);

  Replay column(ToStyle(1) + "click 5 10\nclick 8 10\nclick 35 44\n");
  std::string down;
  for (int r = 5; r <= 8; ++r) down += static_cast<char>(column.cell(r, 10).ch);
  EXPECT_EQ(down, Bytes({194, 179, 179, 193}));  // ┬││┴
  EXPECT_EQ(column.cell(5, 11).ch, ' ');
}

TEST(LineLoad, GlyphClickWithoutAShapeLoadsTheArrowKeys) {
  // A one-cell area is no shape: nothing drawn, the style goes into the arrow keys.
  Replay r("click 5 10\nclick 5 10\nclick 35 44\n");
  EXPECT_EQ(r.cell(5, 10).ch, ' ');
  EXPECT_EQ(r.ed().lines.mode, 0x72);
  EXPECT_EQ(r.ed().selection.flag_first, 0);
  EXPECT_EQ(r.ed().selection.area.c1, 0);

  Replay moved("click 5 10\nclick 5 10\nclick 35 44\nkey Right\n");
  EXPECT_EQ(moved.cell(5, 10).ch, ' ');
  EXPECT_EQ(moved.cell(5, 11).ch, 205);  // ═
  EXPECT_EQ(moved.cell(5, 11).attr, kTyping);
}

TEST(LineArrows, BlockTurnsRewriteTheCellWhereThePressEnded) {
  Replay r(ToStyle(4) + "click 35 44\nkey Right\nkey Right\nkey Down\n");
  EXPECT_EQ(r.cell(10, 41).ch, 223);  // ▀
  EXPECT_EQ(r.cell(10, 42).ch, 219);  // █
  EXPECT_EQ(r.cell(11, 42).ch, ' ');
  EXPECT_EQ(r.ed().pen.cursor_row, 10);
  EXPECT_EQ(r.ed().pen.cursor_col, 42);
  // The step back and the move cancel out for the line counter too.
  EXPECT_EQ(r.ed().doc.line_counter, 1);

  Replay on(ToStyle(4) + "click 35 44\nkey Right\nkey Right\nkey Down\nkey Down\n");
  EXPECT_EQ(on.cell(11, 42).ch, 219);
  EXPECT_EQ(on.ed().doc.line_counter, 2);
}

TEST(LineUnload, EscWithAPendingCharacterUnloads) {
  Replay r("click 35 44\nkey Right\nkey Esc\nkey Right\n");
  EXPECT_EQ(r.ed().lines.mode, 0);
  EXPECT_EQ(r.ed().lines.pending, 0);
  EXPECT_EQ(r.cell(10, 41).ch, 205);
  EXPECT_EQ(r.cell(10, 42).ch, ' ');
  EXPECT_EQ(r.ed().pen.cursor_col, 42);
}

TEST(LineUnload, EnterUnloads) {
  Replay r("click 35 44\nkey Right\nkey Enter\nkey Right\n");
  EXPECT_EQ(r.ed().lines.mode, 0);
  EXPECT_EQ(r.ed().lines.pending, 0);
  EXPECT_EQ(r.ed().pen.cursor_row, 11);
  EXPECT_EQ(r.text(11, 1, 3), "   ");
}

}  // namespace
}  // namespace tessella
