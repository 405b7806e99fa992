#include <gtest/gtest.h>

#include "console/console.h"

namespace tessella::console {
namespace {

std::string Image(std::string_view text, int attr) {
  std::string img;
  for (char ch : text) {
    img += ch;
    img += static_cast<char>(attr);
  }
  return img;
}

TEST(ConsoleRegions, PutzWritesPageOneClipsAndEmptiesTheImage) {
  Console con(35, 80);
  con.SetOutputPage(3);  // Putz ignores the output page
  std::string bar = Image(std::string(90, 'x'), 0x70);
  con.Putz(1, 90, 35, 35, bar);
  EXPECT_TRUE(bar.empty());
  EXPECT_EQ(con.At(1, 35, 80).ch, 'x');
  EXPECT_EQ(con.At(1, 35, 80).attr, 0x70);
  EXPECT_EQ(con.At(1, 35, 1).pad1, kPad);
  EXPECT_EQ(con.At(1, 34, 1).ch, ' ');  // nothing wrapped onto the row above
  EXPECT_EQ(con.At(3, 35, 1).ch, ' ');
}

TEST(ConsoleRegions, PutzNeverReadsBeyondAShortImage) {
  Console con(5, 10);
  std::string img = Image("ab", 0x1F);
  con.Putz(1, 4, 1, 2, img);  // room for 8 cells, image holds 2
  EXPECT_EQ(con.At(1, 1, 2).ch, 'b');
  EXPECT_EQ(con.At(1, 1, 3).ch, ' ');
}

TEST(ConsoleRegions, ReadRegionClampsBottomAndRight) {
  Console con(35, 90);
  EXPECT_EQ(con.ReadRegion(30, 80, 40, 100).size(), 6u * 11u * 4u);
  EXPECT_EQ(con.ReadRegion(1, 1, 35, 90).size(), 35u * 90u * 4u);
}

TEST(ConsoleRegions, WriteRegionRoundTripsRecordsExactly) {
  Console con(10, 10);
  std::string rec = {'A', 1, 0x4E, 2, 'B', 32, 0x07, 32};
  con.WriteRegion(2, 3, 2, 4, rec);
  EXPECT_EQ(con.ReadRegion(2, 3, 2, 4), rec);
  // Partly outside the buffer: only the inside part lands, nothing wraps.
  con.WriteRegion(3, 10, 3, 11, rec);
  EXPECT_EQ(con.At(1, 3, 10).ch, 'A');
  EXPECT_EQ(con.At(1, 4, 1).ch, ' ');
}

TEST(ConsoleRegions, PutTextStopsAt99CharactersAndKeepsCursorAndColour) {
  Console con(5, 200);
  con.SetColor(1, 15);
  con.Locate(4, 4);
  con.PutText(1, 1, 12, 7, std::string(150, 'z'));
  EXPECT_EQ(con.At(1, 1, 99).ch, 'z');
  EXPECT_EQ(con.At(1, 1, 99).attr, 12 + 16 * 7);
  EXPECT_EQ(con.At(1, 1, 100).ch, ' ');
  EXPECT_EQ(con.cursor_row(), 4);
  EXPECT_EQ(con.color(), 1 + 16 * 15);
}

TEST(ConsoleRegions, MarkCellSetsTheOutlineAttributeAndKeepsTheCharacter) {
  Console con(5, 5);
  con.WriteChars(2, 2, "Q");
  con.MarkCell(2, 2);
  const Cell cell = con.At(1, 2, 2);
  EXPECT_EQ(cell.ch, 'Q');
  EXPECT_EQ(cell.attr, 0x0E);
  EXPECT_EQ(cell.pad2, 0x01);  // the leading-byte flag: attribute 0x10E
  con.MarkCell(9, 9);          // outside: ignored
}

TEST(ConsolePages, HiddenPagesComposeAndCopyInOneStep) {
  Console con(4, 4);
  con.CopyPage(1, 2);
  con.SetOutputPage(2);
  con.Locate(1, 1);
  con.Print("menu");
  EXPECT_EQ(con.At(1, 1, 1).ch, ' ');  // page 1 untouched while composing
  con.CopyPage(2, 1);
  con.SetOutputPage(1);
  EXPECT_EQ(con.At(1, 1, 4).ch, 'u');
}

TEST(ConsolePages, SaveUnderLeavesNoTrace) {
  Console con(35, 90);
  con.SetColor(1, 15);
  con.Clear();
  con.Locate(10, 40);
  con.Print("design");
  const console::RecordImage snapshot = con.Snapshot();
  std::string box = Image(std::string(30 * 11, '#'), 0x3B);
  con.Putz(27, 56, 6, 16, box);
  con.PutText(35, 66, 12, 7, "999");
  con.Restore(snapshot);
  EXPECT_EQ(con.Snapshot(), snapshot);
}

TEST(ConsoleText, PrintWrapsAndScrollsOnlyWhenAnotherCharacterFollows) {
  Console con(2, 3);
  con.Locate(2, 2);
  con.Print("ab");  // fills the last cell: no scroll yet
  EXPECT_EQ(con.At(1, 2, 3).ch, 'b');
  EXPECT_EQ(con.At(1, 1, 1).ch, ' ');
  con.Print("c");  // now the page scrolls
  EXPECT_EQ(con.At(1, 1, 3).ch, 'b');
  EXPECT_EQ(con.At(1, 2, 1).ch, 'c');
}

TEST(ConsoleText, SetSizeKeepsWhatFitsAndRefusesNonsense) {
  Console con(35, 90);
  con.WriteChars(1, 80, "k");
  EXPECT_FALSE(con.SetSize(0, 90));
  EXPECT_TRUE(con.SetSize(25, 80));
  EXPECT_EQ(con.At(1, 1, 80).ch, 'k');
  EXPECT_EQ(con.Snapshot().height(), 25);
  EXPECT_EQ(con.Snapshot().width(), 80);
}

}  // namespace
}  // namespace tessella::console
