#include "files/art_document.h"

#include <algorithm>
#include <cstdint>

namespace tessella::files {

int MaxArtRows(int width) {
  if (width <= 0) return kMaxArtRows;
  return std::min(kMaxArtRows, kMaxArtCells / width);
}

Sauce SauceForWriting(const ArtDocument& doc, std::uint8_t data_type, std::uint8_t file_type,
                      std::size_t data_size) {
  Sauce fresh;
  fresh.flags = kSauceEightPixels;
  Sauce s = doc.sauce.value_or(fresh);
  s.data_type = data_type;
  s.file_type = file_type;
  s.file_size = static_cast<std::uint32_t>(std::min<std::size_t>(data_size, UINT32_MAX));
  s.tinfo1 = static_cast<std::uint16_t>(doc.cells.width());
  s.tinfo2 = static_cast<std::uint16_t>(std::min(doc.cells.height(), 0xFFFF));
  s.tinfo3 = s.tinfo4 = 0;
  s.flags = static_cast<std::uint8_t>((s.flags & ~kSauceIceColours) |
                                      (doc.ice_colours ? kSauceIceColours : 0));
  if (s.font.empty()) s.font = kSauceVgaFont;
  return s;
}

ArtDocument SliceRows(const ArtDocument& doc, int first_row, int count) {
  ArtDocument out = doc;
  const int width = doc.cells.width();
  const int first = std::max(first_row, 1);
  const int last = std::min(doc.cells.height(), first + std::max(count, 0) - 1);
  if (last < first) {
    out.cells = console::ScreenImage(width, 0);
    return out;
  }
  const std::size_t row_bytes = static_cast<std::size_t>(width) * console::kPairBytes;
  out.cells = console::ScreenImage::FromPairs(
      std::string_view(doc.cells.bytes())
          .substr(static_cast<std::size_t>(first - 1) * row_bytes,
                  static_cast<std::size_t>(last - first + 1) * row_bytes),
      width);
  return out;
}

}  // namespace tessella::files
