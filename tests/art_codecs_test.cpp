// The text-art codecs: every kind to every other and back, the ANSI reader on what real
// art uses, XBin's compression, SAUCE, and inputs cut anywhere.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "art_samples.h"
#include "files/art_ansi.h"
#include "files/art_bin.h"
#include "files/art_formats.h"
#include "files/art_text.h"
#include "files/art_xbin.h"

namespace tessella::files {
namespace {

using testing::SamplePicture;

Sauce Titled(std::string title, std::string date = "") {
  Sauce s;
  s.title = std::move(title);
  s.date = std::move(date);
  return s;
}

ArtDocument Through(const ArtFormat& format, const ArtDocument& doc) {
  return format.read(format.write(doc), {});
}

TEST(ArtFormats, EveryKindToEveryOtherAndBackKeepsTheCells) {
  const std::vector<std::string> coloured = {".ANS", ".BIN", ".XB"};
  struct Case {
    std::vector<std::string> kinds;
    console::ScreenImage picture;
  };
  const Case cases[] = {
      {coloured, SamplePicture()},
      {{".ANS", ".XB"}, SamplePicture(37, 9)},  // odd width
      {{".ANS", ".BIN", ".XB", ".TXT"}, SamplePicture(80, 12, true)},
  };
  for (const Case& c : cases) {
    for (const std::string& a : c.kinds) {
      for (const std::string& b : c.kinds) {
        SCOPED_TRACE(a + " -> " + b + " -> " + a + " of " + std::to_string(c.picture.width()) +
                     " columns");
        const ArtFormat& fa = *FindArtFormat("x" + a);
        const ArtFormat& fb = *FindArtFormat("x" + b);
        ArtDocument doc;
        doc.cells = c.picture;
        doc.sauce = Titled("Sample", "20240102");
        const ArtDocument back = Through(fa, Through(fb, Through(fa, doc)));
        EXPECT_EQ(back.cells, c.picture);
        if (a != ".TXT" && b != ".TXT") {
          ASSERT_TRUE(back.sauce);
          EXPECT_EQ(back.sauce->title, "Sample");
          EXPECT_EQ(back.sauce->date, "20240102");
          EXPECT_TRUE(back.ice_colours);
        }
      }
    }
  }
}

TEST(ArtFormats, UncompressedXBinAndItsOwnPaletteAndFontSurvive) {
  ArtDocument doc;
  doc.cells = SamplePicture(40, 6);
  doc.look.palette = std::string(48, '\x15');
  doc.look.font = std::string(256 * 8, '\x5A');
  doc.look.font_height = 8;
  doc.ice_colours = false;
  const ArtDocument back = ReadXBin(WriteXBin(doc, {.compress = false}));
  EXPECT_EQ(back.cells, doc.cells);
  EXPECT_EQ(back.look, doc.look);
  EXPECT_FALSE(back.ice_colours);
}

std::string RowText(const console::ScreenImage& image, int r) {
  std::string text;
  for (int c = 1; c <= image.width(); ++c) text += static_cast<char>(image.ch(r, c));
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

TEST(AnsiReader, DrawsWhatRealArtUses) {
  struct Cell {
    int row, col;
    int attr;
  };
  struct Case {
    const char* name;
    std::string input;
    int width;
    std::vector<std::string> rows;
    std::vector<Cell> attrs;
  };
  const std::string sauce4 = [] {
    Sauce s;
    s.data_type = kSauceCharacter;
    s.file_type = kSauceAnsi;
    s.tinfo1 = 4;
    return EncodeSauce(s);
  }();
  const Case cases[] = {
      {"CR LF and bare LF", "AB\r\nC\nD", 80, {"AB", "C", "D"}, {}},
      {"wrap at the width", "ABCDEF", 4, {"ABCD", "EF"}, {}},
      {"a full row then CR LF leaves a blank row", "ABCD\r\nE", 4, {"ABCD", "", "E"}, {}},
      {"cursor moves", "\x1b[2;3HX\x1b[AY\x1b[2DZ\x1b[BW\x1b[99C!", 10, {"  ZY", "  XW     !"}, {}},
      {"save and restore", "A\x1b[sBC\x1b[uD", 80, {"ADC"}, {}},
      {"tabs", "A\tB", 80, {"A       B"}, {}},
      {"colours: bold, blink, reverse, bright, 256",
       "\x1b[1;31mA\x1b[0;5;44mB\x1b[7mC\x1b[0;94mD\x1b[38;5;12;48;5;3mE\x1b[mF", 80, {"ABCDEF"},
       {{1, 1, 0x0C}, {1, 2, 0x97}, {1, 3, 0xF1}, {1, 4, 0x09}, {1, 5, 0x69}, {1, 6, 0x07}}},
      {"erase in line with the colours", "ABCDE\x1b[3D\x1b[44m\x1b[K", 80, {"AB"}, {{1, 3, 0x17}}},
      {"ED 2 starts over", "XYZ\r\nXYZ\x1b[2JQ", 80, {"Q"}, {}},
      {"0x1A ends the art", "AB\x1a" "CD", 80, {"AB"}, {}},
      {"SAUCE gives the width", "ABCDEF" + sauce4, 0, {"ABCD", "EF"}, {}},
      {"other sequences are skipped", "\x1b[?7hA\x1b[=5zB\x1b(C\x1b[1", 80, {"AB(C"}, {}},
      {"other control bytes are glyphs", "\x01\x08\x7f", 80, {"\x01\x08\x7f"}, {}},
      {"no text", "", 80, {""}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ArtDocument doc = ReadAnsi(c.input, c.width);
    ASSERT_EQ(doc.cells.height(), static_cast<int>(c.rows.size()));
    for (int r = 1; r <= doc.cells.height(); ++r) {
      EXPECT_EQ(RowText(doc.cells, r), c.rows[static_cast<std::size_t>(r - 1)]) << "row " << r;
    }
    for (const Cell& cell : c.attrs) {
      EXPECT_EQ(doc.cells.attr(cell.row, cell.col), cell.attr) << "column " << cell.col;
    }
  }
}

TEST(XBinReader, ReadsEveryKindOfCompressedRun) {
  using namespace std::string_literals;
  const std::string file = "XBIN\x1a\x05\x00\x02\x00\x10\x0c"s +
                           "\xc4" "A\x1f"        // 5 x the same cell
                           "\x41" "B\x01\x02"    // one character, two attributes
                           "\x81\x03" "CD"       // one attribute, two characters
                           "\x00" "E\x04"s;       // one cell as it is
  const ArtDocument doc = ReadXBin(file);
  ASSERT_EQ(doc.cells.width(), 5);
  ASSERT_EQ(doc.cells.height(), 2);
  EXPECT_EQ(doc.cells.bytes(), std::string("A\x1f" "A\x1f" "A\x1f" "A\x1f" "A\x1f"
                                           "B\x01" "B\x02" "C\x03" "D\x03" "E\x04"));
  EXPECT_TRUE(doc.ice_colours);
  EXPECT_THROW(ReadXBin("XBIN\x1a"), ArtError);
  EXPECT_THROW(ReadXBin(std::string("XBIN\x1a\xf5\x01\x01\x00\x10\x00", 11)), ArtError);  // 501 wide
}

TEST(BinReader, TakesTheWidthFromSauceElse80WhenTheSizeAllowsElse160) {
  Sauce forty;
  forty.data_type = kSauceBinaryText;
  forty.file_type = 20;
  struct Case {
    std::string file;
    int width, height;
  };
  const Case cases[] = {
      {std::string(4000, 'x'), 80, 25},
      {std::string(480, 'x'), 80, 3},
      {std::string(500, 'x'), 160, 2},
      {std::string(800, 'x') + EncodeSauce(forty), 40, 10},
      {"", 80, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.file.size()) + " bytes");
    const ArtDocument doc = ReadBin(c.file);
    EXPECT_EQ(doc.cells.width(), c.width);
    EXPECT_EQ(doc.cells.height(), c.height);
  }
}

TEST(Sauce, RecordAndCommentsRoundTripAndTheEndOfFileByteIsTheDataOnlyWhenTheSizeSaysSo) {
  Sauce s = Titled("Fish", "19950101");
  s.author = "Someone";
  s.group = "Group";
  s.data_type = kSauceCharacter;
  s.file_type = kSauceAnsi;
  s.tinfo1 = 80;
  s.tinfo2 = 25;
  s.flags = kSauceIceColours;
  s.font = "IBM VGA";
  s.comments = {"first line", "second line"};
  const std::string tail = EncodeSauce(s);
  EXPECT_EQ(tail.size(), 1 + 5 + 2 * 64 + 128u);

  const std::string file = "art" + tail;
  SauceSplit split = SplitSauce(file);
  EXPECT_EQ(split.data, "art");
  ASSERT_TRUE(split.sauce);
  EXPECT_EQ(*split.sauce, s);

  s.file_size = 4;  // the 0x1A is the data's own last byte
  const std::string own_eof = "art\x1a" + EncodeSauce(s);
  EXPECT_EQ(SplitSauce(own_eof).data, "art\x1a");

  std::string lying = "art" + tail;
  lying[lying.size() - 128 + 104] = 9;  // more comment lines than the file has
  split = SplitSauce(lying);
  ASSERT_TRUE(split.sauce);
  EXPECT_TRUE(split.sauce->comments.empty());
  EXPECT_EQ(split.data.substr(0, 3), "art");
}

TEST(ArtReaders, RealArtReadsToPlausibleSizesWithItsText) {
  struct Case {
    const char* file;
    const ArtFormat& format;
    int min_rows, max_rows;
    const char* text;
  };
  const ArtFormat& ans = *FindArtFormat("x.ans");
  const ArtFormat& bin = *FindArtFormat("x.bin");
  const Case cases[] = {
      {"ans/synch.ans", ans, 15, 30, "synchronet"},
      {"ans/ny2008-intro.ans", ans, 15, 30, "(c) 1995"},
      {"ans/bass.ans", ans, 15, 30, ""},
      {"bin/endoom.lmp", bin, 25, 25, "Freedoom"},
      {"bin/waiting.bin", bin, 25, 25, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string bytes = testing::ArtData(c.file);
    ASSERT_FALSE(bytes.empty());
    const ArtDocument doc = c.format.read(bytes, {});
    EXPECT_EQ(doc.cells.width(), 80);
    EXPECT_GE(doc.cells.height(), c.min_rows);
    EXPECT_LE(doc.cells.height(), c.max_rows);
    EXPECT_FALSE(doc.clipped);
    std::string text;
    for (std::size_t i = 0; i < doc.cells.bytes().size(); i += 2) text += doc.cells.bytes()[i];
    EXPECT_NE(text.find(c.text), std::string::npos);
  }
}

TEST(ArtReaders, InputCutAnywhereReadsWithoutHarm) {
  ArtDocument doc;
  doc.cells = SamplePicture(20, 6);
  doc.look.palette = std::string(48, '\x01');
  doc.sauce = Titled("cut");
  doc.sauce->comments = {"a comment"};
  for (const ArtFormat& f : ArtFormats()) {
    const std::string whole = f.write(doc);
    for (std::size_t n = 0; n <= whole.size(); ++n) {
      try {
        const ArtDocument part = f.read(whole.substr(0, n), {});
        EXPECT_LE(part.cells.width(), kMaxArtColumns);
      } catch (const ArtError&) {
      }
    }
  }
}

TEST(ArtReaders, CapsHoldAgainstHugeSizes) {
  // A cursor sent a million rows down and a SAUCE width beyond the caps.
  const ArtDocument far = ReadAnsi("\x1b[99999B\x1b[99999B\x1b[99999BX", 500);
  EXPECT_TRUE(far.clipped);
  EXPECT_LE(far.cells.height(), MaxArtRows(500));
  Sauce wide;
  wide.data_type = kSauceCharacter;
  wide.tinfo1 = 9000;
  const ArtDocument clipped = ReadAnsi("AB" + EncodeSauce(wide));
  EXPECT_EQ(clipped.cells.width(), kMaxArtColumns);
  EXPECT_TRUE(clipped.clipped);
  EXPECT_THROW(ReadBin("ABCD", 600), ArtError);
  using namespace std::string_literals;
  // 500 x 65535: the data (runs of 64 cells) fills more rows than the caps allow.
  const std::string header = "XBIN\x1a\xf4\x01\xff\xff\x10\x04"s;
  std::string runs;
  for (int n = 0; n < kMaxArtCells / 64 + 64; ++n) runs += "\xff" "A\x1f";
  const ArtDocument tall = ReadXBin(header + runs);
  EXPECT_TRUE(tall.clipped);
  EXPECT_EQ(tall.cells.height(), MaxArtRows(500));
  // The header alone promises as much, but the picture is only as tall as its data.
  EXPECT_THROW(ReadXBin(header), ArtError);
  const ArtDocument short_data = ReadXBin(header + runs.substr(0, 3 * 10));  // 640 cells
  EXPECT_EQ(short_data.cells.height(), 2);
  EXPECT_EQ(short_data.cells.ch(2, 140), 'A');
  EXPECT_EQ(short_data.cells.ch(2, 141), ' ');
  EXPECT_FALSE(short_data.clipped);
}

}  // namespace
}  // namespace tessella::files
