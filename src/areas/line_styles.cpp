#include "areas/line_styles.h"

namespace tessella::areas {
namespace {

// Characters are code page 437 codes.
constexpr std::array<char, 3> Pair(int left, int right) {
  return {static_cast<char>(left), static_cast<char>(right), '\0'};
}

// In the order a right click on the glyphs steps through them.
constexpr std::array<LineStyle, kStyleCount> kStyles = {{
    // ╠╣ double lines.
    {Pair(204, 185), kModeDouble,
     {201, 187, 200, 188, 205, 205, 186},  // ╔ ╗ ╚ ╝, ═ ═ ║
     {204, 205, 185},                      // ╠ ═ ╣
     {203, 186, 202},                      // ╦ ║ ╩
     186, 205, 205},                       // ║, ═, ═
    // ├┤ single lines.
    {Pair(195, 180), kModeSingle,
     {218, 191, 192, 217, 196, 196, 179},  // ┌ ┐ └ ┘, ─ ─ │
     {195, 196, 180},                      // ├ ─ ┤
     {194, 179, 193},                      // ┬ │ ┴
     179, 196, 196},                       // │, ─, ─
    // ╟╢ double sides, single across.
    {Pair(199, 182), kModeDoubleDown,
     {214, 183, 211, 189, 196, 196, 186},  // ╓ ╖ ╙ ╜, ─ ─ ║
     {199, 196, 182},                      // ╟ ─ ╢
     {210, 186, 208},                      // ╥ ║ ╨
     186, 196, 196},                       // ║, ─, ─
    // ╞╡ double across, single sides.
    {Pair(198, 181), kModeDoubleAcross,
     {213, 184, 212, 190, 205, 205, 179},  // ╒ ╕ ╘ ╛, ═ ═ │
     {198, 205, 181},                      // ╞ ═ ╡
     {209, 179, 207},                      // ╤ │ ╧
     179, 205, 205},                       // │, ═, ═
    // ▄█ blocks.
    {Pair(220, 219), kModeBlock,
     {219, 219, 219, 219, 223, 220, 219},  // █ at the corners, ▀ top, ▄ bottom, █ sides
     {219, 220, 219},                      // █ ▄ █
     {219, 219, 219},                      // █ █ █
     219, 220, 223},                       // █, ▄, ▀
}};

}  // namespace

const LineStyle& Style(int index) { return kStyles[((index % kStyleCount) + kStyleCount) % kStyleCount]; }

int StyleIndexOfMode(int mode) {
  if (mode == kModeNone) return -1;
  for (int i = 0; i < kStyleCount; ++i) {
    if (kStyles[i].mode == mode) return i;
  }
  return -1;
}

}  // namespace tessella::areas
