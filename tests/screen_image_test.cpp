// Screen and record images: the conversions every generator and file format relies on.
#include <gtest/gtest.h>

#include "codegen/blank_nine.h"
#include "codegen/text_lines.h"
#include "console/console.h"
#include "console/screen_image.h"

namespace tessella::console {
namespace {

TEST(ScreenImage, PairsAndRecordsConvertBothWaysAndShortInputIsPadded) {
  const ScreenImage pairs = ScreenImage::FromPairs(std::string("A\x1F" "B\x2E" "C", 5), 2);
  // The odd last byte is dropped; the second row is padded with a blank.
  ASSERT_EQ(pairs.width(), 2);
  ASSERT_EQ(pairs.height(), 1);
  EXPECT_EQ(pairs.ch(1, 2), 'B');
  EXPECT_EQ(pairs.attr(1, 2), 0x2E);

  const ScreenImage tall = ScreenImage::FromPairs("a\x01" "b\x02" "c\x03", 2);
  ASSERT_EQ(tall.height(), 2);
  EXPECT_EQ(tall.ch(2, 2), ' ');
  EXPECT_EQ(tall.attr(2, 2), 7);

  const RecordImage records = tall.ToRecords();
  EXPECT_EQ(records.bytes().substr(0, 8), std::string("a \x01 b \x02 "));
  EXPECT_EQ(records.ToScreen(), tall);
}

TEST(ScreenImage, ConsoleReadsAndWritesImagesClampedToItsEdge) {
  Console con(5, 10);
  con.PutImage(2, 9, ScreenImage::FromPairs("XaYbZc", 3));  // the third cell falls off
  EXPECT_EQ(con.AtDisplayed(2, 9).ch, 'X');
  EXPECT_EQ(con.AtDisplayed(2, 10).attr, 'b');
  const RecordImage read = con.ReadImage(2, 9, 3, 12);  // clamped to 2 x 2
  ASSERT_EQ(read.width(), 2);
  ASSERT_EQ(read.height(), 2);
  EXPECT_EQ(read.ch(1, 2), 'Y');
  Console other(5, 10);
  other.WriteImage(1, 1, read);
  EXPECT_EQ(other.AtDisplayed(1, 2).ch, 'Y');
}

TEST(TextLines, NumbersAndLineEndsAsGeneratedCodeWritesThem) {
  EXPECT_EQ(codegen::NumberText(7), " 7");
  EXPECT_EQ(codegen::NumberText(0), " 0");
  EXPECT_EQ(codegen::NumberText(-3), "-3");
  codegen::Lines lines;
  lines.Add("A").Add({"B", ""}).Raw("C");
  EXPECT_EQ(lines.text(), "A\r\nB\r\n\r\nC");
}

}  // namespace
}  // namespace tessella::console

namespace tessella::codegen {
namespace {

TEST(BlankNine, WholeCellsOnlyAndCharacterPairsLeftToRight) {
  // Cell 1 is a blank in attribute 9; cell 2 has attribute 32 and cell 3 character 9,
  // which together look like the pair 32, 9 across a cell boundary.
  const auto image = console::ScreenImage::FromPairs(std::string(" \x09" "a\x20" "\x09\x07", 6), 3);
  const auto fixed = ApplyBlankNine(image);
  EXPECT_EQ(fixed.attr(1, 1), 15);
  EXPECT_EQ(fixed.attr(1, 2), 0x20);
  EXPECT_EQ(fixed.ch(1, 3), 9);
  EXPECT_EQ(ApplyBlankNineToChars(" \t\t \t"), " \x0F\t \x0F");
}

}  // namespace
}  // namespace tessella::codegen
