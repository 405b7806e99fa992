// Jump and shell words: the embed, where the cursor ends, and the notice seen during
// its five seconds.
#include <gtest/gtest.h>

#include "area_bench.h"

namespace tessella {
namespace {

// Row `row` of a recorded screen `cols` wide, columns from..to, as bytes.
std::string Shown(const std::string& screen, int cols, int row, int from, int to) {
  std::string s;
  for (int col = from; col <= to; ++col) s += screen.at(2 * (static_cast<size_t>(row - 1) * cols + col - 1));
  return s;
}

// Runs `key` with `text` on row 4 from column 20 and the cursor on its first cell.
void MarkAt(testing::AreaBench& b, std::string_view text, std::string_view key, int col = 20) {
  b.console.PutText(4, col, 1, 15, text);
  b.console.FillAttribute(4, col, 1, console::Attribute(0, 3));
  b.ed.pen.cursor_row = 4;
  b.ed.pen.cursor_col = col;
  b.Run(key);
}

TEST(TextJumps, TheEmbedTakesTheCellsBackgroundAndTheNoticeNamesTheWord) {
  testing::AreaBench b;
  MarkAt(b, " Calc.exe and", "key Alt-I\n");
  EXPECT_EQ(b.console.AtOutput(4, 20), (console::Cell{249, 0, console::Attribute(3, 15), 0}));
  EXPECT_EQ(b.ed.pen.cursor_col, 29);
  ASSERT_EQ(b.screens.at_pause.size(), 1u);
  EXPECT_EQ(b.host.slept_ms, 5000);
  const std::string& notice = b.screens.at_pause[0];
  // 50 + 8 cells in bright white on dark grey, and no more.
  EXPECT_EQ(Shown(notice, 90, 11, 10, 67), "    CALC.EXE is now a Shell Word for the Folivo Program   ");
  EXPECT_EQ(Shown(notice, 90, 10, 10, 67) + Shown(notice, 90, 12, 10, 67), std::string(116, ' '));
  EXPECT_EQ(static_cast<unsigned char>(notice[2 * (10 * 90 + 66) + 1]), console::Attribute(15, 8));
  EXPECT_NE(static_cast<unsigned char>(notice[2 * (10 * 90 + 67) + 1]), console::Attribute(15, 8));
  EXPECT_EQ(b.console.AtOutput(11, 10).attr, console::Attribute(1, 15)) << "the notice leaves no trace";

  testing::AreaBench empty;  // just before a blank: no word
  MarkAt(empty, "  x", "key Alt-H\n");
  EXPECT_EQ(empty.ed.pen.cursor_col, 21);
  EXPECT_EQ(Shown(empty.screens.at_pause.at(0), 90, 11, 10, 60), "     is now a Jump Word for the Folivo Program     ");
}

TEST(TextJumps, AWordWithoutABlankStopsAtTheLastColumnAndTheNoticeIsCutThere) {
  testing::AreaBench b(20, 40);
  MarkAt(b, "\xFA" "abcdefghij", "key Alt-H\n", 30);
  EXPECT_EQ(b.ed.pen.cursor_col, 40);
  const std::string& notice = b.screens.at_pause.at(0);
  EXPECT_EQ(Shown(notice, 40, 11, 10, 40), "    ABCDEFGHIJ is now a Jump Wo");
  EXPECT_EQ(Shown(notice, 40, 12, 1, 3), "   ") << "nothing wraps onto the next row";
}

}  // namespace
}  // namespace tessella
