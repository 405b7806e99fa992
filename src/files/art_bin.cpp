#include "files/art_bin.h"

#include <algorithm>

namespace tessella::files {
namespace {

constexpr int kNarrowWidth = 80;
constexpr int kWideWidth = 160;  // the scene's viewers' width for a screen that says nothing

int SauceWidth(const std::optional<Sauce>& sauce) {
  if (!sauce) return 0;
  if (sauce->data_type == kSauceBinaryText) return sauce->file_type * 2;
  if (sauce->data_type == kSauceCharacter) return sauce->tinfo1;
  return 0;
}

}  // namespace

ArtDocument ReadBin(std::string_view file, int width) {
  SauceSplit split = SplitSauce(file);
  const std::string_view data = split.data;
  int w = width > 0 ? width : SauceWidth(split.sauce);
  if (w <= 0) w = data.size() % (kNarrowWidth * console::kPairBytes) == 0 ? kNarrowWidth : kWideWidth;
  if (w > kMaxArtColumns) {
    throw ArtError("the screen is " + std::to_string(w) + " columns wide; at most " +
                   std::to_string(kMaxArtColumns) + " can be read");
  }
  const std::size_t row_bytes = static_cast<std::size_t>(w) * console::kPairBytes;
  const std::size_t max_bytes = static_cast<std::size_t>(MaxArtRows(w)) * row_bytes;

  ArtDocument doc;
  doc.clipped = data.size() > max_bytes;
  doc.cells = console::ScreenImage::FromPairs(data.substr(0, max_bytes), w);
  if (doc.cells.empty()) doc.cells = console::ScreenImage(w, 1);
  if (split.sauce) doc.ice_colours = split.sauce->ice_colours();
  doc.sauce = std::move(split.sauce);
  return doc;
}

std::string WriteBin(const ArtDocument& doc) {
  const console::ScreenImage& cells = doc.cells;
  std::string data;
  if (cells.width() % 2 == 0) {
    data = cells.bytes();
  } else {
    data.reserve(static_cast<std::size_t>(cells.width() + 1) * static_cast<std::size_t>(cells.height()) * 2);
    for (int r = 1; r <= cells.height(); ++r) {
      data += cells.row(r);
      data += " \x07";
    }
  }
  const int width = cells.width() + cells.width() % 2;
  Sauce sauce = SauceForWriting(doc, kSauceBinaryText, static_cast<std::uint8_t>(width / 2 & 0xFF),
                                data.size());
  sauce.tinfo1 = sauce.tinfo2 = 0;  // a binary screen's width lives in the file type
  return data + EncodeSauce(sauce);
}

}  // namespace tessella::files
