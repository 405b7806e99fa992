#include "console/cp437.h"

#include <array>

namespace tessella::cp437 {
namespace {

// The 256 glyphs in byte order, sixteen to a line. Byte 0x00 is a blank and 0xFF the
// no-break space, both drawn as blanks.
constexpr std::u32string_view kGlyphs =
    U" ☺☻♥♦♣♠•◘○◙♂♀♪♫☼"
    U"►◄↕‼¶§▬↨↑↓→←∟↔▲▼"
    U" !\"#$%&'()*+,-./"
    U"0123456789:;<=>?"
    U"@ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ[\\]^_"
    U"`abcdefghijklmno"
    U"pqrstuvwxyz{|}~⌂"
    U"ÇüéâäàåçêëèïîìÄÅ"
    U"ÉæÆôöòûùÿÖÜ¢£¥₧ƒ"
    U"áíóúñÑªº¿⌐¬½¼¡«»"
    U"░▒▓│┤╡╢╖╕╣║╗╝╜╛┐"
    U"└┴┬├─┼╞╟╚╔╩╦╠═╬╧"
    U"╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀"
    U"αßΓπΣσµτΦΘΩδ∞φε∩"
    U"≡±≥≤⌠⌡÷≈°∙·√ⁿ²■\u00A0";
static_assert(kGlyphs.size() == 256);

std::string EncodeUtf8(char32_t cp) {
  std::string out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

const std::array<std::string, 256>& Utf8Table() {
  static const std::array<std::string, 256> table = [] {
    std::array<std::string, 256> t;
    for (int b = 0; b < 256; ++b) t[b] = EncodeUtf8(kGlyphs[b]);
    return t;
  }();
  return table;
}

}  // namespace

std::string_view Glyph(std::uint8_t b) { return Utf8Table()[b]; }

char32_t CodePoint(std::uint8_t b) { return kGlyphs[b]; }

int FromCodePoint(char32_t cp) {
  if (cp == U' ') return 0x20;
  for (int b = 0; b < 256; ++b) {
    if (kGlyphs[b] == cp) return b;
  }
  return -1;
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3);
  for (unsigned char b : bytes) out += Glyph(b);
  return out;
}

}  // namespace tessella::cp437
