// Copy, Cut, Paste, Color and the whole-screen copy, driven through the main loop: the
// area is chosen with two clicks and confirmed by the toolbar button or a key.
#include <gtest/gtest.h>

#include <array>

#include "area_bench.h"
#include "areas/area_commands.h"

namespace tessella {
namespace {

using testing::AreaBench;
using testing::PatternAttr;
using testing::PatternChar;

// Toolbar buttons (row 35) and the two corner clicks of an area.
constexpr const char* kCopyButton = "click 35 3\n";
constexpr const char* kPasteButton = "click 35 8\n";
constexpr const char* kCutButton = "click 35 14\n";
constexpr const char* kColorButton = "click 35 19\n";

std::string Corners(int r1, int c1, int r2, int c2) {
  return "click " + std::to_string(r1) + " " + std::to_string(c1) + "\nclick " +
         std::to_string(r2) + " " + std::to_string(c2) + "\n";
}

// Puts the program cursor at (row, col) without confirming anything: a click starts a
// choice, a click on the same cell ends it, and the key that ends the wait is then the
// command to run there.
std::string CursorTo(int row, int col) { return Corners(row, col, row, col); }

// The first cell (row, column) where two record images of the same width differ, or
// "same"; keeps failure messages short.
std::string FirstDifference(const std::string& a, const std::string& b, int cols = 90) {
  if (a.size() != b.size()) return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) {
      const size_t cell = i / 4;
      return std::to_string(cell / cols + 1) + "," + std::to_string(cell % cols + 1);
    }
  }
  return "same";
}

// The characters of one row of a screen captured by the bench host (character and
// attribute pairs), columns from..to.
std::string ShownText(const std::string& screen, int row, int from, int to) {
  std::string s;
  for (int col = from; col <= to; ++col) s += screen.at(2 * (static_cast<size_t>(row - 1) * 90 + col - 1));
  return s;
}

console::Cell CellAt(const AreaBench& b, int row, int col) { return b.console.AtOutput(row, col); }
bool IsPattern(const AreaBench& b, int row, int col) {
  const auto c = CellAt(b, row, col);
  return c.ch == PatternChar(row, col) && c.attr == PatternAttr(row, col);
}

// The editor's state in pairs and fours, so one check names every part of it.
using Pair = std::array<int, 2>;
using Quad = std::array<int, 4>;
Quad AreaOf(const AreaBench& b) {
  const auto& a = b.ed.selection.area;
  return {a.r1, a.c1, a.r2, a.c2};
}
Pair CursorOf(const AreaBench& b) { return {b.ed.pen.cursor_row, b.ed.pen.cursor_col}; }
Pair FlagsOf(const AreaBench& b) {
  return {b.ed.selection.flag_first, b.ed.selection.flag_last};
}
Pair BufferSizeOf(const AreaBench& b) {
  return {b.ed.selection.buffer.width, b.ed.selection.buffer.height};
}

TEST(AreaCopy, OneRowAreaFillsTheBufferAndConsumesTheSelection) {
  AreaBench b;
  b.PaintPattern();
  const std::string work = b.WorkScreen();
  const std::string expected = b.Region(5, 10, 5, 20);
  b.ed.lines.pending = 205;
  b.Run(Corners(5, 10, 5, 20) + kCopyButton);

  EXPECT_EQ(b.ed.selection.buffer.image, expected);
  EXPECT_EQ(BufferSizeOf(b), (Pair{11, 1}));
  EXPECT_EQ(b.host.slept_ms, 500) << "the area flashes";
  EXPECT_EQ(b.screens.at_pause.size(), 1u);
  EXPECT_EQ(b.host.beeps, 0);
  EXPECT_EQ(FirstDifference(b.WorkScreen(), work), "same");
  EXPECT_EQ(CursorOf(b), (Pair{5, 10}));
  EXPECT_EQ(FlagsOf(b), (Pair{0, 0}));
  EXPECT_EQ(b.ed.lines.pending, 0);
  EXPECT_EQ(b.console.color(), console::Attribute(1, 15));
}

TEST(AreaCopy, ThenPasteAtTheSamePlaceChangesNothing) {
  AreaBench b;
  b.PaintPattern();
  const std::string work = b.WorkScreen();
  b.Run(Corners(5, 10, 8, 20) + kCopyButton + kPasteButton + "key F10\n");

  EXPECT_EQ(FirstDifference(b.WorkScreen(), work), "same");
  EXPECT_EQ(AreaOf(b), (Quad{5, 10, 8, 20}));
}

TEST(AreaPaste, NearTheRightEdgeOnlyTheColumnsInsideAppear) {
  AreaBench b;
  b.PaintPattern();
  b.Run(Corners(5, 10, 8, 20) + kCopyButton + CursorTo(20, 85) + "key F10\n");

  for (int row = 20; row <= 23; ++row) {
    for (int col = 85; col <= 90; ++col) {
      const auto c = CellAt(b, row, col);
      EXPECT_EQ(c.ch, PatternChar(row - 15, col - 75)) << row << "," << col;
      EXPECT_EQ(c.attr, PatternAttr(row - 15, col - 75)) << row << "," << col;
    }
    // Nothing wraps onto the start of the next row.
    for (int col = 1; col <= 6; ++col) EXPECT_TRUE(IsPattern(b, row + 1, col)) << row + 1 << "," << col;
  }
  // The corners become the pasted rectangle; cursor, flags and buffer stay.
  EXPECT_EQ(AreaOf(b), (Quad{20, 85, 23, 95}));
  EXPECT_EQ(CursorOf(b), (Pair{20, 85}));
  EXPECT_EQ(b.ed.selection.flag_first, 0);
  EXPECT_EQ(b.ed.selection.buffer.width, 11);
}

TEST(AreaPaste, EmptyBufferWritesNothingAndLeavesAnEmptyRectangle) {
  AreaBench b;
  b.PaintPattern();
  const std::string work = b.WorkScreen();
  b.Run("key F10\n");
  EXPECT_EQ(FirstDifference(b.WorkScreen(), work), "same");
  EXPECT_EQ(AreaOf(b), (Quad{10, 40, 9, 39}));
}

TEST(AreaPaste, StoredHeightBeyondTheImageWritesOnlyTheRowsItHolds) {
  // Mark word stores an image and a width but leaves the height as it was.
  AreaBench b;
  b.PaintPattern();
  const std::string two_rows = b.Region(1, 1, 2, 3);
  b.ed.selection.buffer = {two_rows, 3, 6};
  b.ed.pen.cursor_row = 10;
  b.ed.pen.cursor_col = 10;
  core::Event ev;
  areas::Paste(b.ed, ev);

  EXPECT_EQ(b.Region(10, 10, 11, 12), two_rows);
  for (int row = 12; row <= 15; ++row)
    for (int col = 10; col <= 12; ++col) EXPECT_TRUE(IsPattern(b, row, col)) << row << "," << col;
  EXPECT_EQ(b.ed.selection.area.r2, 15);
}

TEST(AreaCut, BlanksWithTheSecondCornersBackgroundAndKeepsTheAreaBefore) {
  AreaBench b;
  b.PaintPattern();
  b.console.FillAttribute(8, 20, 1, 0x35);  // background 3 under the second corner
  const std::string before = b.Region(5, 10, 8, 20);
  b.ed.pen.txcolor = 14;
  b.ed.pen.bgcolor = 1;
  b.Run(Corners(5, 10, 8, 20) + kCutButton);

  for (int row = 5; row <= 8; ++row) {
    for (int col = 10; col <= 20; ++col) {
      EXPECT_EQ(CellAt(b, row, col).ch, ' ') << row << "," << col;
      EXPECT_EQ(CellAt(b, row, col).attr, 14 + 16 * 3) << row << "," << col;
    }
    EXPECT_TRUE(IsPattern(b, row, 9));
    EXPECT_TRUE(IsPattern(b, row, 21));
  }
  EXPECT_TRUE(IsPattern(b, 4, 10));
  EXPECT_TRUE(IsPattern(b, 9, 20));
  EXPECT_EQ(b.ed.selection.buffer.image, before);
  EXPECT_EQ(BufferSizeOf(b), (Pair{11, 4}));
  EXPECT_EQ(b.host.slept_ms, 0) << "Cut does not flash";
  EXPECT_EQ(CursorOf(b), (Pair{5, 10}));
  EXPECT_EQ(FlagsOf(b), (Pair{0, 0}));
  EXPECT_EQ(b.console.color(), console::Attribute(14, 1));
}

TEST(AreaCut, CornersPastTheConsoleEdgeNeitherScrollNorSkewTheBuffer) {
  // Paste leaves corners that may run past the edges. Spaces printed past the right
  // edge of the bottom row would scroll the page; a buffer as wide as the corners but
  // holding fewer cells would paste skewed.
  AreaBench b;
  b.PaintPattern();
  b.ed.selection.area = {33, 85, 36, 95};
  b.ed.selection.flag_first = 2;
  b.ed.selection.flag_last = 5;
  core::Event ev;
  areas::Cut(b.ed, ev);

  EXPECT_TRUE(IsPattern(b, 1, 1)) << "the page did not scroll";
  EXPECT_TRUE(IsPattern(b, 32, 90));
  EXPECT_TRUE(IsPattern(b, 34, 1)) << "nothing wrapped";
  EXPECT_EQ(CellAt(b, 33, 85).ch, ' ');
  EXPECT_EQ(CellAt(b, 34, 90).ch, ' ');
  EXPECT_EQ(b.ed.selection.buffer.width, 6);
  EXPECT_EQ(b.ed.selection.buffer.height, 3) << "rows 33 and 34 and the toolbar line";
  EXPECT_EQ(b.ed.selection.buffer.image.size(), 6u * 3 * 4);
}

TEST(AreaColour, EveryCellKeepsItsCharacterAndTakesTheTypingColours) {
  // The pattern puts every byte value in the area: 0, control characters, box drawing.
  AreaBench b;
  b.PaintPattern();
  b.ed.pen.txcolor = 14;
  b.ed.pen.bgcolor = 2;
  b.Run(Corners(2, 1, 20, 90) + kColorButton);

  for (int row = 1; row <= 34; ++row) {
    for (int col = 1; col <= 90; ++col) {
      const auto c = CellAt(b, row, col);
      EXPECT_EQ(c.ch, PatternChar(row, col)) << row << "," << col;
      const int attr = (row >= 2 && row <= 20) ? 14 + 16 * 2 : PatternAttr(row, col);
      EXPECT_EQ(c.attr, attr) << row << "," << col;
    }
  }
  EXPECT_EQ(CursorOf(b), (Pair{2, 1}));
  EXPECT_EQ(FlagsOf(b), (Pair{0, 0}));
  EXPECT_EQ(b.host.slept_ms, 0);
}

TEST(AreaColour, AreasTallerThanAHundredRowsAreRecolouredWhole) {
  AreaBench b(150, 90);
  b.PaintPattern();
  b.Run(Corners(3, 5, 140, 9) + "click 150 19\n");
  for (int row : {3, 50, 103, 104, 140}) {
    EXPECT_EQ(CellAt(b, row, 5).attr, console::Attribute(1, 15)) << row;
    EXPECT_EQ(CellAt(b, row, 9).ch, PatternChar(row, 9)) << row;
  }
  EXPECT_TRUE(IsPattern(b, 141, 5));
  EXPECT_EQ(b.ed.selection.flag_first, 0);
}

TEST(AreaWholeScreen, AltGThenPasteAtTheTopLeftRestoresTheWorkScreen) {
  AreaBench b;
  b.PaintPattern();
  const std::string work = b.WorkScreen();
  b.ed.pen.txcolor = 4;
  b.Run("key Alt-G\n" + Corners(3, 3, 20, 60) + kColorButton + CursorTo(1, 1) + "key F10\n");
  // The screen as it stood when F10 arrived: recoloured since Alt-G.
  const std::string& before_paste = b.screens.at_wait.back();
  ASSERT_EQ(static_cast<unsigned char>(before_paste.at(2 * (2 * 90 + 2) + 1)), 4 + 16 * 15);
  EXPECT_EQ(FirstDifference(b.WorkScreen(), work), "same");
  EXPECT_EQ(b.host.slept_ms, 500) << "Alt-G flashes";
  EXPECT_EQ(CellAt(b, 3, 3).attr, PatternAttr(3, 3));
}

TEST(AreaWholeScreen, TakesRowsAboveTheToolbarWithoutTouchingTheFlags) {
  AreaBench b;
  b.PaintPattern();
  const std::string work = b.WorkScreen();
  b.ed.selection.flag_first = 4;
  b.ed.selection.flag_last = 9;
  b.ed.lines.pending = 186;
  b.Run("key Alt-G\n");
  EXPECT_EQ(FirstDifference(b.ed.selection.buffer.image, work), "same");
  EXPECT_EQ(BufferSizeOf(b), (Pair{90, 34}));
  EXPECT_EQ(b.ed.selection.area.r1, 1);
  EXPECT_EQ(b.ed.selection.area.r2, 34);
  EXPECT_EQ(b.ed.selection.area.c2, 90);
  EXPECT_EQ(FlagsOf(b), (Pair{4, 9}));
  EXPECT_EQ(CursorOf(b), (Pair{1, 1}));
  EXPECT_EQ(b.ed.lines.pending, 0);
}

// Without a confirmed area Copy, Cut and Color beep, show the warning box until any
// input, and change nothing: not the screen, the buffer, the cursor nor the flags.
TEST(AreaNoSelection, CopyCutAndColorWarnAndLeaveNoTrace) {
  const std::string corners = Corners(5, 10, 8, 20);
  const std::string menu_closed = "rclick 12 12\nkey Esc\n";
  struct Case {
    std::string before;   // what happened first
    std::string command;  // the command that finds no area
  };
  const Case cases[] = {
      {"", "key F9\n"},
      {"", "key F2\n"},
      {"", "key F5\n"},
      {"", kCopyButton},
      {"", kCutButton},
      {"", kColorButton},
      // A key between choosing and confirming leaves the choice unconfirmed; the
      // toolbar click then confirms the empty area of its own wait.
      {corners + "key Alt-Q\n", kCopyButton},
      // The selection is used up by the first Color.
      {corners + kColorButton, kColorButton},
      // A right click confirms, and the menus are closed without a choice; the key
      // that follows leaves the flags set but the first corner at 0.
      {corners + menu_closed, "key F2\n"},
      // A second right click without new corners confirms an empty area.
      {corners + menu_closed + menu_closed, "key F5\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before + c.command);
    AreaBench quiet;
    quiet.PaintPattern();
    quiet.Run(c.before);
    AreaBench b;
    b.PaintPattern();
    b.ed.selection.buffer = {"AbCd", 1, 1};
    quiet.ed.selection.buffer = b.ed.selection.buffer;
    // The input after the command dismisses the warning and is used up by it.
    b.Run(c.before + c.command + "key Space\n");

    EXPECT_EQ(b.host.beeps, 1);
    EXPECT_EQ(FirstDifference(b.console.Snapshot().bytes(), quiet.console.Snapshot().bytes()), "same");
    EXPECT_EQ(b.ed.selection.buffer.image, quiet.ed.selection.buffer.image);
    EXPECT_EQ(CursorOf(b), CursorOf(quiet));
    EXPECT_EQ(FlagsOf(b), FlagsOf(quiet));
    EXPECT_EQ(b.host.slept_ms, 0) << "no flash";
    // The box was up while the program waited for the dismissing input.
    ASSERT_FALSE(b.screens.at_wait.empty());
    const std::string& shown = b.screens.at_wait.back();
    bool box = false;
    for (int row = 6; row <= 16; ++row) box = box || ShownText(shown, row, 27, 56).find("two diagonal") != std::string::npos;
    EXPECT_TRUE(box);
  }
}

}  // namespace
}  // namespace tessella
