#include "files/art_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "console/cp437.h"

namespace tessella::files {
namespace {

constexpr std::uint8_t kTextAttr = 0x07;
constexpr int kTabStop = 8;

// The code point of the UTF-8 sequence at `i` and its length, or -1 when the bytes there
// are not well-formed UTF-8.
std::pair<char32_t, int> DecodeUtf8(std::string_view s, std::size_t i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) return {b0, 1};
  int length = b0 >= 0xF0 && b0 <= 0xF4 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC2 && b0 < 0xE0 ? 2 : 0;
  if (length == 0 || i + static_cast<std::size_t>(length) > s.size()) return {0, -1};
  char32_t cp = b0 & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if ((b & 0xC0) != 0x80) return {0, -1};
    cp = cp << 6 | (b & 0x3F);
  }
  const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < least[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, -1};
  return {cp, length};
}

std::uint8_t CellByte(char32_t cp) {
  if (cp < 0x20) return static_cast<std::uint8_t>(cp);  // control bytes keep their place
  const int b = cp437::FromCodePoint(cp);
  return b < 0 ? static_cast<std::uint8_t>('?') : static_cast<std::uint8_t>(b);
}

bool IsUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const int length = DecodeUtf8(s, i).second;
    if (length < 0) return false;
    i += static_cast<std::size_t>(length);
  }
  return true;
}

}  // namespace

ArtDocument ReadText(std::string_view file, int width) {
  std::string_view data = SplitSauce(file).data;
  if (data.ends_with(kEndOfFile)) data.remove_suffix(1);
  const bool utf8 = IsUtf8(data);
  const std::size_t max_width = static_cast<std::size_t>(width > 0 ? std::min(width, kMaxArtColumns)
                                                                   : kMaxArtColumns);

  ArtDocument doc;
  std::vector<std::string> lines(1);  // the cell bytes of each line
  for (std::size_t i = 0; i < data.size();) {
    char32_t cp = static_cast<unsigned char>(data[i]);
    std::size_t length = 1;
    if (utf8) {
      const auto decoded = DecodeUtf8(data, i);
      cp = decoded.first;
      length = static_cast<std::size_t>(decoded.second);
    }
    i += length;
    std::string& line = lines.back();
    if (cp == U'\n') {
      if (i == data.size()) break;
      if (static_cast<int>(lines.size()) == MaxArtRows(static_cast<int>(max_width))) {
        doc.clipped = true;
        break;
      }
      lines.emplace_back();
    } else if (cp == U'\r') {
      // CR LF ends lines; a CR on its own is dropped too
    } else if (line.size() >= max_width) {
      doc.clipped = true;
    } else if (cp == U'\t') {
      line.resize(std::min((line.size() / kTabStop + 1) * kTabStop, max_width), ' ');
    } else {
      line += static_cast<char>(utf8 ? CellByte(cp) : static_cast<std::uint8_t>(cp));
    }
  }

  std::size_t w = 1;
  if (width > 0) {
    w = max_width;
  } else {
    for (const std::string& line : lines) w = std::max(w, line.size());
  }
  if (lines.size() > static_cast<std::size_t>(MaxArtRows(static_cast<int>(w)))) {
    lines.resize(static_cast<std::size_t>(MaxArtRows(static_cast<int>(w))));
    doc.clipped = true;
  }
  std::string pairs;
  pairs.reserve(lines.size() * w * 2);
  for (const std::string& line : lines) {
    for (std::size_t c = 0; c < w; ++c) {
      pairs += c < line.size() ? line[c] : ' ';
      pairs += static_cast<char>(kTextAttr);
    }
  }
  doc.cells = console::ScreenImage::FromPairs(pairs, static_cast<int>(w));
  return doc;
}

std::string WriteText(const ArtDocument& doc) {
  std::string out;
  const console::ScreenImage& cells = doc.cells;
  for (int r = 1; r <= cells.height(); ++r) {
    for (int c = 1; c <= cells.width(); ++c) out += cp437::Glyph(cells.ch(r, c));
    out += "\r\n";
  }
  return out;
}

}  // namespace tessella::files
