#pragma once
// The five line styles: the glyph pair the toolbar shows for each, the line mode that a
// left click on the glyphs loads, and the characters each style draws with, both as
// a box or straight line from an area and as the trail the arrow keys leave.
#include <array>

namespace tessella::areas {

// Line modes: what the arrow keys carry once a style is loaded (0 when none is).
inline constexpr int kModeNone = 0;
inline constexpr int kModeDouble = 0x72;          // ═ across, ║ down
inline constexpr int kModeSingle = 0x70;          // ─ across, │ down
inline constexpr int kModeDoubleDown = 0x71;      // ─ across, ║ down
inline constexpr int kModeDoubleAcross = 0x69;    // ═ across, │ down
inline constexpr int kModeBlock = 0x73;           // half and full blocks

inline constexpr int kStyleCount = 5;

struct BoxChars {
  int top_left, top_right, bottom_left, bottom_right;
  int top, bottom, side;
};

// A straight line: the character at the first cell (left or top), at every cell
// between, and at the last cell (right or bottom).
struct LineChars {
  int first, middle, last;
};

struct LineStyle {
  std::array<char, 3> glyphs;  // the toolbar pair, NUL-terminated
  int mode;
  BoxChars box;
  LineChars row_line;
  LineChars column_line;
  // What an arrow step leaves in the cell it arrives at: for Up and Down, for Left,
  // for Right.
  int vertical, leftward, rightward;
};

// Style by index; indices outside 0-4 wrap round.
const LineStyle& Style(int index);

// Index 0-4 of the style whose line mode is `mode`; -1 for 0 or any other value.
int StyleIndexOfMode(int mode);

}  // namespace tessella::areas
