#pragma once
// A text-art picture as the art codecs read and write it: a tall grid of cells and
// what the file says about it (SAUCE record, colours, an XBin palette and font).
#include <optional>
#include <stdexcept>
#include <string>

#include "console/screen_image.h"
#include "files/sauce_record.h"

namespace tessella::files {

// Hard caps of the readers. 500 columns covers every width the art scene uses (80,
// 132, 160); rows stop at 200,000, or earlier for wide art so that no picture takes
// more than 16 million cells (32 MB). What a file holds beyond them is dropped and the
// document says so.
inline constexpr int kMaxArtColumns = 500;
inline constexpr int kMaxArtRows = 200'000;
inline constexpr int kMaxArtCells = 16'000'000;

// The most rows a picture `width` columns wide may have.
int MaxArtRows(int width);

// An XBin file's own palette and font, kept so that writing XBin again loses nothing.
struct XBinLook {
  std::string palette;   // 48 bytes, 16 colours of 6-bit red, green, blue; empty: VGA colours
  std::string font;      // font_height bytes per glyph, 256 or 512 glyphs; empty: built-in font
  int font_height = 16;  // 1..32
  bool wide_font = false;  // 512 glyphs: attribute bit 3 picks the second half

  bool operator==(const XBinLook&) const = default;
};

struct ArtDocument {
  console::ScreenImage cells;
  std::optional<Sauce> sauce;
  // Background colours 8-15 are bright colours, not blinking ones (the way Tessella's
  // console shows them).
  bool ice_colours = true;
  XBinLook look;
  // The file held more than the caps allow; the rest was dropped.
  bool clipped = false;
};

// A file that cannot be read, or a picture that cannot be written.
class ArtError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The SAUCE record a writer appends: the one the document was read with, or a new one
// (8-pixel letters, "IBM VGA"), with the writer's data type, file type and data size,
// the iCE flag of the document, the width in TInfo1 and the number of rows in TInfo2.
Sauce SauceForWriting(const ArtDocument& doc, std::uint8_t data_type, std::uint8_t file_type,
                      std::size_t data_size);

// Rows first_row .. first_row + count - 1 (1-based) of the document, as far as it has
// them; an empty picture when first_row is beyond its end.
ArtDocument SliceRows(const ArtDocument& doc, int first_row, int count);

}  // namespace tessella::files
