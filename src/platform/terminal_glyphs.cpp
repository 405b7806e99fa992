#include "platform/terminal_glyphs.h"

#include <cctype>
#include <utility>

#include "console/cp437.h"

namespace tessella::platform {
namespace {

// ASCII stand-ins, one character per glyph, for the bytes outside printable ASCII.
constexpr std::string_view kLowStandIns = " oo****.#o#mfdd*><|!PS_|^v><L-^v";  // 0x00-0x1F
constexpr std::string_view kHighStandIns =                                     // 0x80-0xFF
    "CueaaaaceeeiiiAA"
    "EaAooouuyOUcLYPf"
    "aiounNao?--//!<>"
    "###|++++++|+++++"
    "++++-++++++++=++"
    "+++++++++++#_##~"
    "aBGpEsutOOOd8oen"
    "=+><()/~o..vn2# ";
constexpr char kHouseStandIn = '^';  // 0x7F

static_assert(kLowStandIns.size() == 0x20 && kHighStandIns.size() == 0x80);

char StandIn(std::uint8_t b) {
  if (b < 0x20) return kLowStandIns[b];
  if (b == 0x7F) return kHouseStandIn;
  if (b >= 0x80) return kHighStandIns[b - 0x80];
  return static_cast<char>(b);
}

// Glyphs the line-drawing set can show, by their VT100 names, best first. Double lines
// have no VT100 form and are drawn single, which keeps every box closed.
struct LineDrawingGlyph {
  std::uint8_t byte;
  std::string_view names;
};
constexpr LineDrawingGlyph kLineDrawing[] = {
    // Lines, corners, tees and crossings, single and double.
    {0xB3, "x"}, {0xBA, "x"}, {0xC4, "q"}, {0xCD, "q"},
    {0xDA, "l"}, {0xC9, "l"}, {0xD5, "l"}, {0xD6, "l"},
    {0xBF, "k"}, {0xBB, "k"}, {0xB7, "k"}, {0xB8, "k"},
    {0xC0, "m"}, {0xC8, "m"}, {0xD3, "m"}, {0xD4, "m"},
    {0xD9, "j"}, {0xBC, "j"}, {0xBD, "j"}, {0xBE, "j"},
    {0xC3, "t"}, {0xCC, "t"}, {0xC6, "t"}, {0xC7, "t"},
    {0xB4, "u"}, {0xB9, "u"}, {0xB5, "u"}, {0xB6, "u"},
    {0xC2, "w"}, {0xCB, "w"}, {0xD1, "w"}, {0xD2, "w"},
    {0xC1, "v"}, {0xCA, "v"}, {0xCF, "v"}, {0xD0, "v"},
    {0xC5, "n"}, {0xCE, "n"}, {0xD7, "n"}, {0xD8, "n"},
    // Shades and blocks; half blocks as the scan lines at their edge.
    {0xB0, "ha"}, {0xB1, "a"}, {0xB2, "a"}, {0xDB, "0a"}, {0xDD, "0a"}, {0xDE, "0a"},
    {0xDC, "s"}, {0xDF, "o"},
    // Symbols.
    {0x04, "`"}, {0x07, "~"}, {0x0F, "i"}, {0x10, "+"}, {0x11, ","}, {0x18, "-"},
    {0x19, "."}, {0x1A, "+"}, {0x1B, ","}, {0x1E, "-"}, {0x1F, "."}, {0x9C, "}"},
    {0xE3, "{"}, {0xF1, "g"}, {0xF2, "z"}, {0xF3, "y"}, {0xF8, "f"}, {0xF9, "~"},
    {0xFA, "~"}, {0xFE, "~"},
};

}  // namespace

TerminalGlyphs TerminalGlyphs::Utf8() {
  TerminalGlyphs g;
  for (int b = 0; b < 256; ++b) {
    g.glyphs_[b] = TerminalGlyph{std::string(cp437::Glyph(static_cast<std::uint8_t>(b))), false};
  }
  return g;
}

TerminalGlyphs TerminalGlyphs::OneByte(std::string_view pairs, std::string on, std::string off) {
  TerminalGlyphs g;
  g.utf8_ = false;
  for (int b = 0; b < 256; ++b) {
    g.glyphs_[b] = TerminalGlyph{std::string(1, StandIn(static_cast<std::uint8_t>(b))), false};
  }
  if (pairs.empty() || on.empty() || off.empty()) return g;
  // What the terminal sends for each VT100 name it knows; 0 for the others.
  std::array<char, 128> sent{};
  for (std::size_t i = 0; i + 1 < pairs.size(); i += 2) {
    const auto name = static_cast<unsigned char>(pairs[i]);
    if (name < sent.size() && pairs[i + 1] != '\0') sent[name] = pairs[i + 1];
  }
  for (const LineDrawingGlyph& entry : kLineDrawing) {
    for (const char name : entry.names) {
      if (const char c = sent[static_cast<unsigned char>(name)]; c != 0) {
        g.glyphs_[entry.byte] = TerminalGlyph{std::string(1, c), true};
        break;
      }
    }
  }
  g.on_ = std::move(on);
  g.off_ = std::move(off);
  return g;
}

std::string TerminalGlyphs::Text(std::string_view bytes) const {
  if (utf8_) return cp437::ToUtf8(bytes);
  std::string out;
  for (const char c : bytes) out += StandIn(static_cast<std::uint8_t>(c));
  return out;
}

bool LocaleIsUtf8(const std::function<const char*(const char*)>& getenv) {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = getenv(name);
    if (value == nullptr || *value == '\0') continue;
    std::string codeset;
    for (const char* p = value; *p != '\0' && *p != '@'; ++p) {
      if (*p != '-') codeset += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    }
    return codeset.find("utf8") != std::string::npos;
  }
  return false;
}

}  // namespace tessella::platform
