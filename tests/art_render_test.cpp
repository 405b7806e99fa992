// Pictures through libansilove, and the ANSI codec checked against libansilove's own
// ANSI reader: the art we write and the real art we read must draw the same pixels as
// the cells do.
#include <gtest/gtest.h>

#include <string>

#include "art_samples.h"
#include "files/art_ansi.h"
#include "files/art_bin.h"
#include "files/art_render.h"

namespace tessella::files {
namespace {

using testing::ArtData;

std::string Text(const console::ScreenImage& image) {
  std::string text;
  for (std::size_t i = 0; i < image.bytes().size(); i += 2) text += image.bytes()[i];
  return text;
}

class ArtRender : public ::testing::Test {
 protected:
  void SetUp() override {
#if !TESSELLA_TEST_PNG
    GTEST_SKIP() << "libpng is not installed";
#endif
    if (!CanRender()) GTEST_SKIP() << "built without libansilove";
  }

#if TESSELLA_TEST_PNG
  static testing::Pixels Cells(const ArtDocument& doc) { return testing::DecodePng(RenderPng(doc)); }
  static testing::Pixels AsAnsi(const std::string& ansi, int width) {
    return testing::DecodePng(RenderWithAnsilove(AnsiloveReader::kAnsi, ansi, width, true));
  }
#endif
};

TEST_F(ArtRender, WrittenAnsiDrawsLikeItsCells) {
#if TESSELLA_TEST_PNG
  for (const auto& picture : {testing::SamplePicture(), testing::SamplePicture(37, 9)}) {
    ArtDocument doc;
    doc.cells = picture;
    const testing::Pixels expected = Cells(doc);
    EXPECT_EQ(expected.width, picture.width() * 8);
    EXPECT_EQ(expected.height, picture.height() * 16);
    EXPECT_TRUE(AsAnsi(WriteAnsi(doc), picture.width()) == expected) << picture.width();
  }
#endif
}

TEST_F(ArtRender, RealAnsiReadsToTheCellsLibansiloveDraws) {
#if TESSELLA_TEST_PNG
  struct Case {
    const char* file;
    const char* known_text;
  };
  for (const Case& c : {Case{"ans/synch.ans", "synchronet"}, Case{"ans/ny2008-intro.ans", "(c) 1995"},
                        Case{"ans/bass.ans", ""}}) {
    const std::string bytes = ArtData(c.file);
    ASSERT_FALSE(bytes.empty()) << c.file;
    const ArtDocument doc = ReadAnsi(bytes);
    EXPECT_EQ(doc.cells.width(), 80) << c.file;
    EXPECT_GE(doc.cells.height(), 15) << c.file;
    EXPECT_LE(doc.cells.height(), 30) << c.file;
    EXPECT_NE(Text(doc.cells).find(c.known_text), std::string::npos) << c.file;
    const testing::Pixels drawn = Cells(doc);
    EXPECT_EQ(drawn.width, 640) << c.file;
    EXPECT_TRUE(drawn == AsAnsi(bytes, 80)) << c.file;
  }
#endif
}

TEST_F(ArtRender, RealBinaryScreensAre640By400) {
#if TESSELLA_TEST_PNG
  for (const char* file : {"bin/endoom.lmp", "bin/waiting.bin"}) {
    const ArtDocument doc = ReadBin(ArtData(file));
    ASSERT_EQ(doc.cells.width(), 80) << file;
    ASSERT_EQ(doc.cells.height(), 25) << file;
    const testing::Pixels pixels = Cells(doc);
    EXPECT_EQ(pixels.width, 640) << file;
    EXPECT_EQ(pixels.height, 400) << file;
  }
  EXPECT_NE(Text(ReadBin(ArtData("bin/endoom.lmp")).cells).find("Freedoom"), std::string::npos);
#endif
}

}  // namespace
}  // namespace tessella::files
