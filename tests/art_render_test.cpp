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

TEST_F(ArtRender, RealArtDrawsLikeLibansiloveDrawsTheFile) {
#if TESSELLA_TEST_PNG
  for (const char* file : {"ans/synch.ans", "ans/ny2008-intro.ans", "ans/bass.ans"}) {
    const std::string bytes = ArtData(file);
    const testing::Pixels drawn = Cells(ReadAnsi(bytes));
    EXPECT_EQ(drawn.width, 640) << file;
    EXPECT_TRUE(drawn == AsAnsi(bytes, 80)) << file;
  }
  for (const char* file : {"bin/endoom.lmp", "bin/waiting.bin"}) {
    const testing::Pixels drawn = Cells(ReadBin(ArtData(file)));
    EXPECT_EQ(drawn.width, 640) << file;
    EXPECT_EQ(drawn.height, 400) << file;
  }
#endif
}

}  // namespace
}  // namespace tessella::files
