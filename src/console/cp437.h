#pragma once
// Code page 437: the IBM PC glyph set the cells hold. Cells store bytes; this table
// turns a byte into the UTF-8 text of its glyph for the terminal and text dumps.
#include <cstdint>
#include <string>
#include <string_view>

namespace tessella::cp437 {

// UTF-8 text of the glyph for byte b. 0x00 is drawn as a blank; 0x01-0x1F and 0x7F
// are the PC's graphic glyphs (smileys, suits, arrows, the house).
std::string_view Glyph(std::uint8_t b);

// The Unicode code point of the glyph for byte b.
char32_t CodePoint(std::uint8_t b);

// Byte whose glyph is code point cp, or -1 when code page 437 has no such glyph.
// U+0020 gives 0x20 (not 0x00), so text round-trips.
int FromCodePoint(char32_t cp);

// Whole byte string to UTF-8.
std::string ToUtf8(std::string_view bytes);

}  // namespace tessella::cp437
