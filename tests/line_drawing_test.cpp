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

TEST(LineLoad, RightClickChangesTheGlyphsButNotTheLoadedMode) {
  Replay r("click 35 44\nrclick 35 44\nkey Right\n");
  EXPECT_EQ(r.text(35, 43, 44), Bytes({195, 180}));  // ├┤
  EXPECT_EQ(r.ed().lines.style, 1);
  EXPECT_EQ(r.ed().lines.mode, 0x72);
  EXPECT_EQ(r.cell(10, 41).ch, 205);  // still ═
}

TEST(LineArrows, TurnsOverwriteThePreviousPress) {
  Replay r("click 35 44\nkey Right\nkey Right\nkey Down\nkey Down\nkey Left\n");
  EXPECT_EQ(r.cell(10, 41).ch, 205);  // ═
  EXPECT_EQ(r.cell(10, 42).ch, 187);  // ╗
  EXPECT_EQ(r.cell(11, 42).ch, 186);  // ║
  EXPECT_EQ(r.cell(12, 42).ch, 188);  // ╝
  EXPECT_EQ(r.cell(12, 41).ch, 205);  // ═
  EXPECT_EQ(r.cell(10, 40).ch, ' ');
  EXPECT_EQ(r.ed().pen.cursor_row, 12);
  EXPECT_EQ(r.ed().pen.cursor_col, 41);
}

TEST(LineArrows, FirstPressAfterLoadingLeavesNoCorner) {
  // The Right before the glyph click would make the Down a turn.
  Replay r("key Right\nclick 35 44\nkey Down\n");
  EXPECT_EQ(r.cell(10, 41).ch, ' ');
  EXPECT_EQ(r.cell(11, 41).ch, 186);  // ║
}

TEST(LineArrows, RefusedMoveWritesNothing) {
  Replay r("click 10 90\nclick 10 90\nclick 35 44\nkey Right\nkey Down\n");
  EXPECT_EQ(r.host().beeps(), 1);
  EXPECT_EQ(r.cell(10, 90).ch, ' ');  // neither a line nor, after it, a corner
  EXPECT_EQ(r.cell(11, 90).ch, 186);
}

TEST(LineArrows, CrossingsJoinExistingLines) {
  // A │ column in column 42 (┬ at row 5, ┴ at row 15), then the cursor back to row 10,
  // column 40 and a double line drawn right across it.
  const std::string column = ToStyle(1) + "click 5 42\nclick 15 42\nclick 35 44\n" + ToStyle(4);
  Replay r(column + "key Down\nkey Down\nkey Down\nkey Down\nkey Down\nkey Left\nkey Left\n"
                    "click 35 44\nkey Right\nkey Right\nkey Right\n");
  EXPECT_EQ(r.text(10, 41, 43), Bytes({205, 216, 205}));  // ═╪═
  EXPECT_EQ(r.cell(9, 42).ch, 179);
  EXPECT_EQ(r.cell(11, 42).ch, 179);

  // Running into a ║ column and turning down along it joins the corner to it.
  Replay turn("click 5 42\nclick 15 42\nclick 35 44\n"
              "key Down\nkey Down\nkey Down\nkey Down\nkey Down\nkey Left\nkey Left\n"
              "click 35 44\nkey Right\nkey Right\nkey Down\n");
  EXPECT_EQ(turn.cell(10, 41).ch, 205);  // ═
  EXPECT_EQ(turn.cell(10, 42).ch, 185);  // ╣, not the ╬ the crossing press wrote
  EXPECT_EQ(turn.cell(11, 42).ch, 186);  // ║ on ║ stays
}

TEST(LineArrows, SingleLineCrossesABoxEdge) {
  // A double box, then a single line drawn down through its top and bottom edges.
  Replay r("click 5 10\nclick 9 20\nclick 35 44\nkey Up\n" + Repeat('x', 0) +
           "key Right\nkey Right\nkey Right\nkey Right\nkey Right\n" + ToStyle(1) +
           "click 35 44\nkey Down\nkey Down\nkey Down\nkey Down\nkey Down\nkey Down\n");
  std::string down;
  for (int row = 5; row <= 10; ++row) down += static_cast<char>(r.cell(row, 15).ch);
  EXPECT_EQ(down, Bytes({216, 179, 179, 179, 216, 179}));  // ╪│││╪│
  EXPECT_EQ(r.cell(4, 15).ch, ' ');
  EXPECT_EQ(r.cell(5, 14).ch, 205);
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

TEST(LineArrows, BlockFirstPressAfterLoadingLeavesTheCursorCellAlone) {
  // The Left before the glyph click would make the Up a turn that steps back and
  // writes over the R under the cursor.
  Replay r(ToStyle(4) + "type QR\nkey Left\nclick 35 44\nkey Up\n");
  EXPECT_EQ(r.text(10, 40, 41), "QR");
  EXPECT_EQ(r.cell(9, 41).ch, 219);
  EXPECT_EQ(r.ed().pen.cursor_row, 9);
}

TEST(LineArrows, BlockAcrossAFullBlockKeepsItWhole) {
  // A block column in column 42, then a ▀ line drawn right across it.
  Replay r(ToStyle(4) + "click 8 42\nclick 12 42\nclick 35 44\n"
                        "key Down\nkey Down\nkey Left\nkey Left\n"
                        "click 35 44\nkey Right\nkey Right\nkey Right\n");
  EXPECT_EQ(r.text(10, 41, 43), Bytes({223, 219, 223}));  // ▀█▀
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
