#pragma once
// How the terminal shows each of the 256 code page 437 glyphs. A UTF-8 terminal gets
// the glyph itself. Any other terminal would show the bytes of UTF-8 as two or three
// characters each and break the layout, so there every glyph is one character: lines,
// corners, blocks and a few symbols from the terminal's own line-drawing set, the rest
// as plain ASCII stand-ins (accented letters without their accents, arrows as < > ^ v).
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tessella::platform {

struct TerminalGlyph {
  std::string bytes;          // what the terminal is sent
  bool line_drawing = false;  // sent while the line-drawing set is switched on
};

class TerminalGlyphs {
 public:
  // Every glyph as its UTF-8 character.
  static TerminalGlyphs Utf8();
  // One character per glyph for a terminal without UTF-8. pairs is the terminal's
  // line-drawing map (terminfo acsc: VT100 name, then the character to send), on and
  // off switch the set in and out; with no map or no switch every glyph is ASCII.
  static TerminalGlyphs OneByte(std::string_view pairs, std::string on, std::string off);

  const TerminalGlyph& operator[](std::uint8_t byte) const { return glyphs_[byte]; }
  const std::string& line_drawing_on() const { return on_; }
  const std::string& line_drawing_off() const { return off_; }

  // Text outside the picture (the window title) as the terminal can show it: UTF-8,
  // or the ASCII stand-ins.
  std::string Text(std::string_view bytes) const;

 private:
  std::array<TerminalGlyph, 256> glyphs_;
  std::string on_;
  std::string off_;
  bool utf8_ = true;
};

// Whether the user's locale says the terminal speaks UTF-8: the first of LC_ALL,
// LC_CTYPE and LANG that is set names a UTF-8 codeset. None set is the C locale.
bool LocaleIsUtf8(const std::function<const char*(const char*)>& getenv);

}  // namespace tessella::platform
