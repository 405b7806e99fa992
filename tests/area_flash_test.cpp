// The area flash and the two-corner warning are overlays: seen while they last, no
// trace afterwards.
#include <gtest/gtest.h>

#include "area_bench.h"
#include "core/area_flash.h"
#include "ui/catalogue.h"

namespace tessella {
namespace {

using testing::AreaBench;

std::pair<int, int> At(const std::string& screen, int cols, int row, int col) {
  const size_t i = 2 * (static_cast<size_t>(row - 1) * cols + (col - 1));
  return {static_cast<unsigned char>(screen[i]), static_cast<unsigned char>(screen[i + 1])};
}

TEST(AreaFlash, ShadesTheAreaDuringTheHalfSecondThenLeavesNoTrace) {
  AreaBench b;
  b.PaintPattern();
  b.ed.pen.txcolor = 3;
  b.ed.pen.bgcolor = 8;
  b.ed.selection.area = {4, 6, 7, 12};
  const console::RecordImage before = b.console.Snapshot();

  core::FlashArea(b.ed);

  ASSERT_EQ(b.screens.at_pause.size(), 1u);
  EXPECT_EQ(b.host.slept_ms, 500);
  const std::string& seen = b.screens.at_pause[0];
  for (int row = 3; row <= 8; ++row) {
    for (int col = 5; col <= 13; ++col) {
      const bool inside = row >= 4 && row <= 7 && col >= 6 && col <= 12;
      const auto expected = inside ? std::pair{176, 14 + 16 * 4}
                                   : std::pair<int, int>{testing::PatternChar(row, col),
                                                         testing::PatternAttr(row, col)};
      EXPECT_EQ(At(seen, 90, row, col), expected) << row << "," << col;
    }
  }
  EXPECT_EQ(b.console.Snapshot(), before);
  EXPECT_EQ(b.console.color(), console::Attribute(3, 8));
}

TEST(AreaFlash, AreaPastTheEdgesShadesOnlyTheWorkScreenAndScrollsNothing) {
  // Paste leaves corners that may run past the console; a flash of them must not wrap
  // onto the next row or scroll the page.
  AreaBench b;
  b.PaintPattern();
  b.ed.selection.area = {32, 86, 40, 100};
  const console::RecordImage before = b.console.Snapshot();

  core::FlashArea(b.ed);

  const std::string& seen = b.screens.at_pause.at(0);
  EXPECT_EQ(At(seen, 90, 34, 90), (std::pair{176, 0x4E}));
  EXPECT_EQ(At(seen, 90, 32, 86), (std::pair{176, 0x4E}));
  EXPECT_EQ(At(seen, 90, 33, 1), (std::pair<int, int>{testing::PatternChar(33, 1),
                                                       testing::PatternAttr(33, 1)}));
  EXPECT_EQ(At(seen, 90, 1, 1), (std::pair<int, int>{testing::PatternChar(1, 1),
                                                      testing::PatternAttr(1, 1)}));
  for (int col = 1; col <= 90; ++col) EXPECT_EQ(At(seen, 90, 35, col), (std::pair{' ' + 0, 0xF1}));
  EXPECT_EQ(b.console.Snapshot(), before);
}

TEST(AreaWarning, BeepsShowsTheBoxUntilAnyInputAndRestoresEverything) {
  for (const char* input : {"key Space\n", "click 10 10\n", "rclick 35 3\n", "key F9\n"}) {
    SCOPED_TRACE(input);
    AreaBench b;
    b.PaintPattern();
    b.ed.selection.flag_first = 5;
    b.ed.selection.flag_last = 0;
    b.host.Queue(input);
    b.host.Queue("key Alt-Q\n");
    const console::RecordImage before = b.console.Snapshot();

    core::TwoCornerWarning(b.ed);

    EXPECT_EQ(b.host.beeps, 1);
    ASSERT_EQ(b.screens.at_wait.size(), 1u);
    const auto& box = *ui::FindPicture("two_corners");
    const std::string& seen = b.screens.at_wait[0];
    EXPECT_EQ(At(seen, 90, 6, 27), (std::pair<int, int>{static_cast<unsigned char>(box.image[0]),
                                                         static_cast<unsigned char>(box.image[1])}));
    EXPECT_EQ(At(seen, 90, 5, 27), (std::pair<int, int>{testing::PatternChar(5, 27),
                                                         testing::PatternAttr(5, 27)}));
    EXPECT_EQ(b.console.Snapshot(), before);
    EXPECT_EQ(b.host.pending(), 1u) << "exactly one input is used up";
    EXPECT_EQ(b.ed.selection.flag_first, 5);
    EXPECT_EQ(b.ed.selection.flag_last, 0);
  }
}

TEST(AreaWarning, WaitsInTheStandardMouseModeSoMovesDoNotEndIt) {
  AreaBench b;
  b.input.SetMouseMode(console::MouseMode::kTracking);
  b.host.Queue("move 3 3\nmove 4 4\nkey Esc\n");
  core::TwoCornerWarning(b.ed);
  EXPECT_EQ(b.host.pending(), 0u);
  EXPECT_EQ(b.input.mouse_mode(), console::MouseMode::kStandard);
}

TEST(AreaFlags, ConfirmedFlagsWithCornersOffTheScreenAreNoArea) {
  // What a key leaves when it ends a wait without new corners: the first corner at 0.
  AreaBench b;
  b.ed.selection.flag_first = 5;
  b.ed.selection.flag_last = 9;
  for (const core::AreaCorners a : {core::AreaCorners{0, 0, 9, 10}, core::AreaCorners{5, 0, 9, 10},
                                      core::AreaCorners{5, 10, 4, 9}}) {
    b.ed.selection.area = a;
    EXPECT_FALSE(core::HasArea(b.ed)) << a.r1 << "," << a.c1 << "," << a.r2 << "," << a.c2;
    EXPECT_FALSE(core::HasTwoRowArea(b.ed));
  }
}

TEST(AreaFlags, RequireWarnsOnlyWhenTheTestFails) {
  AreaBench b;
  b.host.Queue("key Space\nkey Space\n");
  b.ed.selection.area = {6, 2, 6, 8};
  b.ed.selection.flag_first = b.ed.selection.flag_last = 6;  // one row
  EXPECT_TRUE(core::RequireArea(b.ed));
  EXPECT_EQ(b.host.beeps, 0);
  EXPECT_FALSE(core::RequireTwoRowArea(b.ed));
  EXPECT_EQ(b.host.beeps, 1);
  EXPECT_EQ(b.host.pending(), 1u);
}

}  // namespace
}  // namespace tessella
