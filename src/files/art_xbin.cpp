#include "files/art_xbin.h"

#include <algorithm>
#include <cstdint>

namespace tessella::files {
namespace {

constexpr std::string_view kMagic("XBIN\x1A", 5);
constexpr std::size_t kHeaderBytes = 11;
constexpr std::size_t kPaletteBytes = 48;
constexpr int kMaxFontHeight = 32;
constexpr int kDefaultFontHeight = 16;

constexpr std::uint8_t kHasPalette = 0x01;
constexpr std::uint8_t kHasFont = 0x02;
constexpr std::uint8_t kCompressed = 0x04;
constexpr std::uint8_t kNonBlink = 0x08;
constexpr std::uint8_t kWideFont = 0x10;

// Compressed runs: two bits of kind, six of length - 1.
constexpr std::uint8_t kRunRaw = 0x00;
constexpr std::uint8_t kRunChar = 0x40;
constexpr std::uint8_t kRunAttr = 0x80;
constexpr std::uint8_t kRunBoth = 0xC0;
constexpr int kMaxRun = 64;

std::uint8_t At(std::string_view s, std::size_t i) { return static_cast<std::uint8_t>(s[i]); }

// Decompresses into `pairs` until `cells` cells are there or the data ends.
void Decompress(std::string_view data, std::size_t cells, std::string& pairs) {
  std::size_t i = 0;
  while (i < data.size() && pairs.size() < cells * 2) {
    const std::uint8_t kind = At(data, i) & 0xC0;
    const int length = (At(data, i) & 0x3F) + 1;
    ++i;
    int ch = -1, attr = -1;  // the repeated byte of a run, once read
    for (int n = 0; n < length && pairs.size() < cells * 2; ++n) {
      const bool fresh_ch = kind == kRunRaw || kind == kRunAttr || ch < 0;
      const bool fresh_attr = kind == kRunRaw || kind == kRunChar || attr < 0;
      if (i + (fresh_ch ? 1 : 0) + (fresh_attr ? 1 : 0) > data.size()) return;
      // An attribute run gives its attribute before the first character.
      if (kind == kRunAttr && fresh_attr) attr = At(data, i++);
      if (fresh_ch) ch = At(data, i++);
      if (fresh_attr && kind != kRunAttr) attr = At(data, i++);
      pairs += static_cast<char>(ch);
      pairs += static_cast<char>(attr);
    }
  }
}

// Length of the run of cells from `c` on (at most kMaxRun, within the row) whose
// characters (kRunChar), attributes (kRunAttr) or both (kRunBoth) are all the same.
int RunLength(std::string_view row, std::size_t c, std::uint8_t kind) {
  const std::size_t cells = row.size() / 2;
  int n = 1;
  while (n < kMaxRun && c + static_cast<std::size_t>(n) < cells) {
    const std::size_t a = c * 2, b = (c + static_cast<std::size_t>(n)) * 2;
    const bool same_ch = row[a] == row[b], same_attr = row[a + 1] == row[b + 1];
    if ((kind == kRunChar && !same_ch) || (kind == kRunAttr && !same_attr) ||
        (kind == kRunBoth && !(same_ch && same_attr))) {
      break;
    }
    ++n;
  }
  return n;
}

// The cheapest run starting at `c`, or none (length 1, kind raw) when no run pays.
std::pair<std::uint8_t, int> BestRun(std::string_view row, std::size_t c) {
  const int both = RunLength(row, c, kRunBoth);
  if (both >= 2) return {kRunBoth, both};
  const int chars = RunLength(row, c, kRunChar);
  const int attrs = RunLength(row, c, kRunAttr);
  if (std::max(chars, attrs) >= 3) {
    return chars >= attrs ? std::pair{kRunChar, chars} : std::pair{kRunAttr, attrs};
  }
  return {kRunRaw, 1};
}

void CompressRow(std::string_view row, std::string& out) {
  const std::size_t cells = row.size() / 2;
  std::size_t c = 0;
  while (c < cells) {
    auto [kind, length] = BestRun(row, c);
    if (kind == kRunRaw) {
      // Raw cells up to the next run worth taking.
      while (length < kMaxRun && c + static_cast<std::size_t>(length) < cells &&
             BestRun(row, c + static_cast<std::size_t>(length)).first == kRunRaw) {
        ++length;
      }
    }
    out += static_cast<char>(kind | (length - 1));
    const std::size_t first = c * 2, count = static_cast<std::size_t>(length);
    switch (kind) {
      case kRunRaw: out += row.substr(first, count * 2); break;
      case kRunChar:  // the character once, then every attribute
        out += row[first];
        for (std::size_t n = 0; n < count; ++n) out += row[first + n * 2 + 1];
        break;
      case kRunAttr:  // the attribute once, then every character
        out += row[first + 1];
        for (std::size_t n = 0; n < count; ++n) out += row[first + n * 2];
        break;
      default: out += row.substr(first, 2); break;
    }
    c += static_cast<std::size_t>(length);
  }
}

}  // namespace

ArtDocument ReadXBin(std::string_view file) {
  SauceSplit split = SplitSauce(file);
  std::string_view data = split.data;
  if (data.size() < kHeaderBytes || !data.starts_with(kMagic)) throw ArtError("not an XBin file");
  const int width = At(data, 5) | At(data, 6) << 8;
  const int height = At(data, 7) | At(data, 8) << 8;
  const int font_height = At(data, 9);
  const std::uint8_t flags = At(data, 10);
  if (width == 0 || height == 0) throw ArtError("the XBin header gives no size");
  if (width > kMaxArtColumns) {
    throw ArtError("the picture is " + std::to_string(width) + " columns wide; at most " +
                   std::to_string(kMaxArtColumns) + " can be read");
  }
  data.remove_prefix(kHeaderBytes);

  ArtDocument doc;
  if (flags & kHasPalette) {
    if (data.size() < kPaletteBytes) throw ArtError("the XBin palette is cut short");
    doc.look.palette = std::string(data.substr(0, kPaletteBytes));
    data.remove_prefix(kPaletteBytes);
  }
  if (flags & kHasFont) {
    if (font_height < 1 || font_height > kMaxFontHeight) {
      throw ArtError("the XBin font is " + std::to_string(font_height) + " pixels high");
    }
    const std::size_t glyphs = flags & kWideFont ? 512 : 256;
    const std::size_t bytes = glyphs * static_cast<std::size_t>(font_height);
    if (data.size() < bytes) throw ArtError("the XBin font is cut short");
    doc.look.font = std::string(data.substr(0, bytes));
    doc.look.font_height = font_height;
    doc.look.wide_font = (flags & kWideFont) != 0;
    data.remove_prefix(bytes);
  }

  const int most_rows = std::min(height, MaxArtRows(width));
  const std::size_t row_cells = static_cast<std::size_t>(width);
  const std::size_t cells = row_cells * static_cast<std::size_t>(most_rows);
  std::string pairs;
  if (flags & kCompressed) {
    Decompress(data, cells, pairs);
  } else {
    pairs = data.substr(0, std::min(data.size(), cells * 2));
  }
  // The picture is as tall as its data reaches, never taller: a header may promise any
  // size, and a file cut short ends in its last row, the cells it does not reach blank.
  std::size_t filled = pairs.size() & ~std::size_t{1};
  if (filled == 0) throw ArtError("the XBin file holds no cells");
  const std::size_t rows = (filled / 2 + row_cells - 1) / row_cells;
  pairs.resize(rows * row_cells * 2);
  doc.clipped = most_rows < height && rows == static_cast<std::size_t>(most_rows);
  for (; filled < pairs.size(); filled += 2) {
    pairs[filled] = ' ';
    pairs[filled + 1] = '\x07';
  }
  doc.cells = console::ScreenImage::FromPairs(pairs, width);
  doc.ice_colours = (flags & kNonBlink) != 0;
  doc.sauce = std::move(split.sauce);
  return doc;
}

std::string WriteXBin(const ArtDocument& doc, XBinOptions options) {
  const console::ScreenImage& cells = doc.cells;
  if (cells.width() > 0xFFFF || cells.height() > 0xFFFF) {
    throw ArtError("XBin holds at most 65535 rows and columns");
  }
  const XBinLook& look = doc.look;
  const bool palette = look.palette.size() == kPaletteBytes;
  const bool font = !look.font.empty() && look.font_height >= 1 && look.font_height <= kMaxFontHeight &&
                    look.font.size() == static_cast<std::size_t>(look.font_height) * (look.wide_font ? 512 : 256);
  std::uint8_t flags = 0;
  if (palette) flags |= kHasPalette;
  if (font) flags |= kHasFont | (look.wide_font ? kWideFont : 0);
  if (options.compress) flags |= kCompressed;
  if (doc.ice_colours) flags |= kNonBlink;

  std::string out(kMagic);
  for (const int v : {cells.width(), cells.height()}) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
  }
  out += static_cast<char>(font ? look.font_height : kDefaultFontHeight);
  out += static_cast<char>(flags);
  if (palette) out += look.palette;
  if (font) out += look.font;
  if (options.compress) {
    for (int r = 1; r <= cells.height(); ++r) CompressRow(cells.row(r), out);
  } else {
    out += cells.bytes();
  }
  if (!options.sauce) return out;
  Sauce sauce = SauceForWriting(doc, kSauceXBin, 0, out.size());
  sauce.flags = 0;  // XBin keeps its flags in its own header
  sauce.font.clear();
  return out + EncodeSauce(sauce);
}

}  // namespace tessella::files
