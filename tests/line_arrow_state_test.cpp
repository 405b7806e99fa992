// The arrow step on its own, with line-drawing state the running program reaches only
// through other tools: a character picked from the ASCII chart with no line mode.
#include <gtest/gtest.h>

#include "fake_file_system.h"
#include "areas/line_drawing.h"
#include "console/input.h"
#include "platform/replay_host.h"
#include "platform/replay_script.h"

namespace tessella::areas {
namespace {

struct ArrowSession {
  console::Console con;
  platform::ReplayHost host;
  console::Input input;
  testing::FakeFileSystem files;
  core::Editor ed;
  core::Event ev;

  ArrowSession() : con(35, 90), host(con, {}, {}), input(host), ed(con, input, host, files) {}
  void Put(int row, int col, int ch) { con.WriteChars(row, col, std::string(1, static_cast<char>(ch))); }
  int At(int row, int col) const { return con.At(1, row, col).ch; }
};

TEST(LineChartCharacter, LeftInEveryCellAndTurnedIntoACrossingForGood) {
  ArrowSession s;
  s.ed.lines.pending = 196;  // ─ from the chart, no line mode
  s.Put(10, 42, 179);        // │
  s.Put(10, 44, 179);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ArrowRight(s.ed, s.ev), core::Next::kBookkeeping);
  EXPECT_EQ(s.At(10, 41), 196);  // ─
  EXPECT_EQ(s.At(10, 42), 197);  // ┼ where it crossed
  EXPECT_EQ(s.At(10, 43), 197);  // and ┼ from then on
  EXPECT_EQ(s.At(10, 44), 197);
  EXPECT_EQ(s.ed.lines.pending, 197);
  EXPECT_EQ(s.ed.lines.mode, 0);
}

TEST(LineChartCharacter, NothingPendingOnlyMovesAndRemembersTheCell) {
  ArrowSession s;
  s.Put(11, 40, 'Q');
  EXPECT_EQ(ArrowDown(s.ed, s.ev), core::Next::kBookkeeping);
  EXPECT_EQ(s.At(11, 40), 'Q');
  EXPECT_EQ(s.ed.pen.cursor_row, 11);
  EXPECT_EQ(s.ed.lines.found, 'Q');
}

}  // namespace
}  // namespace tessella::areas
