// BSAVE images and pop files, with real BSAVE screens from DOS programs.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "console/screen_image.h"
#include "files/bsave_file.h"
#include "files/pop_file.h"

namespace tessella::files {
namespace {

std::string ReadData(const std::string& name) {
  std::ifstream in(TESSELLA_SOURCE_DIR "/tests/data/bsave/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Characters of one row of a page of pairs.
std::string RowText(const std::string& pairs, int width, int row) {
  std::string text;
  for (int c = 0; c < width; ++c) text += pairs[static_cast<size_t>(((row - 1) * width + c) * 2)];
  return text;
}

TEST(Bsave, PageRoundTripsWithTheFixedHeader) {
  console::ScreenImage page(90, 34, 'x', 0x1E);
  page.Set(34, 90, 'Z', 0x4F);
  const std::string file = EncodeBsa(page);
  ASSERT_EQ(file.size(), 6127u);
  EXPECT_EQ(file.substr(0, 7), "\xFD\x20\xB8\x20\x20\xA0\x0F");
  EXPECT_EQ(DecodeBsa(file, 90, 34), page.bytes());
  EXPECT_EQ(DecodeBsa("\xFD", 90, 34), "");
  EXPECT_EQ(DecodeBsa(std::string("\xFD\0\0\0\0\0\0AbC", 10), 90, 34), "Ab");  // half a cell
  EXPECT_EQ(DecodeBsa("", 90, 34), std::nullopt);
  EXPECT_EQ(DecodeBsa(file.substr(1), 90, 34), std::nullopt);
}

TEST(Bsave, RealDosScreensShowTheirTextAtEightyColumns) {
  const std::optional<std::string> posdept = DecodeBsa(ReadData("POSDEPT.MSK"), 80, 25);
  ASSERT_TRUE(posdept);
  EXPECT_EQ(posdept->size(), 4000u);
  EXPECT_NE(RowText(*posdept, 80, 2).find("Sales Tax %"), std::string::npos);
  EXPECT_NE(RowText(*posdept, 80, 24).find("99 Discount"), std::string::npos);

  // This one repeats its header after the screen: the page takes only what it holds.
  const std::optional<std::string> blue = DecodeBsa(ReadData("BLUE(F).MF0"), 80, 25);
  ASSERT_TRUE(blue);
  EXPECT_EQ(blue->size(), 4000u);
  EXPECT_EQ(RowText(*blue, 80, 1).substr(0, 7), "BLUE(F)");
  EXPECT_NE(RowText(*blue, 80, 22).find("Move cursor with <arrow> keys"), std::string::npos);

  // A graphics dump is only bytes: cut to whatever page it is shown on.
  const std::string title = ReadData("TITLE.SCN");
  ASSERT_EQ(title.size(), 20008u);
  EXPECT_EQ(DecodeBsa(title, 80, 25)->size(), 4000u);
  EXPECT_EQ(DecodeBsa(title, 500, 299)->size(), 20000u);
}

TEST(Pop, AreaAndPlaceRoundTrip) {
  console::ScreenImage box(20, 3, 0xC4, 0x1F);
  box.Set(2, 1, 'a', 0x71);
  const std::optional<std::string> file = EncodePop(5, 10, box);
  ASSERT_TRUE(file);
  ASSERT_EQ(file->size(), 124u);
  EXPECT_EQ(file->substr(0, 4), "\x05\x07\x0A\x1D");
  const PopContent pop = DecodePop(*file, 34, 90);
  EXPECT_EQ(pop.refusal, PopRefusal::kNone);
  EXPECT_EQ(pop.area, (console::Rect{5, 10, 7, 29}));
  EXPECT_EQ(pop.pairs, box.bytes());

  EXPECT_EQ(EncodePop(250, 250, console::ScreenImage(7, 1)), std::nullopt);  // column 256
  EXPECT_TRUE(EncodePop(255, 255, console::ScreenImage(1, 1)));
}

TEST(Pop, BadHeadersAreRefusedAndShortDataStopsAtItsEnd) {
  struct Case {
    std::string bytes;
    PopRefusal refusal;
    size_t pairs;
  };
  const Case cases[] = {
      {std::string("\x05\x07\x0A", 3), PopRefusal::kTooShort, 0},
      {std::string("\x07\x05\x0A\x1D", 4), PopRefusal::kUpsideDown, 0},
      {std::string("\x05\x07\x1D\x0A", 4), PopRefusal::kUpsideDown, 0},
      {std::string("\x00\x07\x0A\x1D", 4), PopRefusal::kOffConsole, 0},
      {std::string("\x05\x23\x0A\x1D", 4), PopRefusal::kOffConsole, 0},  // row 35
      {std::string("\x05\x07\x0A\x5B", 4), PopRefusal::kOffConsole, 0},  // column 91
      {std::string("\x01\x01\x01\x02" "abc", 7), PopRefusal::kNone, 2},
      {std::string("\x01\x01\x01\x01" "abcdef", 10), PopRefusal::kNone, 2},
  };
  for (const Case& t : cases) {
    const PopContent pop = DecodePop(t.bytes, 34, 90);
    EXPECT_EQ(pop.refusal, t.refusal);
    EXPECT_EQ(pop.pairs.size(), t.pairs);
  }
}

}  // namespace
}  // namespace tessella::files
