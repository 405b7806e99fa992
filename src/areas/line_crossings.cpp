#include "areas/line_crossings.h"

#include <span>

namespace tessella::areas {
namespace {

// A found character (one or two of them; 0 where there is only one) and what the
// line character becomes on it.
struct Crossing {
  int found_a, found_b, becomes;
};

// Rows are tried in order; the first whose found characters match wins.
constexpr Crossing kAcrossDouble[] = {  // ═ 205 moving left or right
    {206, 215, 206},  // ╬ ╫ → ╬
    {202, 208, 202},  // ╩ ╨ → ╩
    {203, 210, 203},  // ╦ ╥ → ╦
    {201, 214, 203},  // ╔ ╓ → ╦
    {200, 211, 202},  // ╚ ╙ → ╩
    {187, 183, 203},  // ╗ ╖ → ╦
    {188, 189, 202},  // ╝ ╜ → ╩
    {198, 195, 216},  // ╞ ├ → ╪
    {181, 180, 216},  // ╡ ┤ → ╪
    {218, 191, 209},  // ┌ ┐ → ╤
    {217, 192, 207},  // ┘ └ → ╧
    {182, 199, 206},  // ╢ ╟ → ╬
    {185, 204, 206},  // ╣ ╠ → ╬
    {190, 212, 207},  // ╛ ╘ → ╧
    {184, 213, 209},  // ╕ ╒ → ╤
    {186, 0, 206},    // ║ → ╬
    {179, 216, 216},  // │ ╪ → ╪
    {193, 207, 207},  // ┴ ╧ → ╧
    {194, 209, 209},  // ┬ ╤ → ╤
    {197, 0, 216},    // ┼ → ╪
};

constexpr Crossing kAcrossSingle[] = {  // ─ 196 moving left or right
    {197, 216, 197},  // ┼ ╪ → ┼
    {193, 207, 193},  // ┴ ╧ → ┴
    {194, 209, 194},  // ┬ ╤ → ┬
    {214, 201, 210},  // ╓ ╔ → ╥
    {211, 200, 208},  // ╙ ╚ → ╨
    {189, 188, 208},  // ╜ ╝ → ╨
    {183, 187, 210},  // ╖ ╗ → ╥
    {199, 204, 215},  // ╟ ╠ → ╫
    {182, 185, 215},  // ╢ ╣ → ╫
    {218, 191, 194},  // ┌ ┐ → ┬
    {217, 192, 193},  // ┘ └ → ┴
    {208, 202, 208},  // ╨ ╩ → ╨
    {210, 203, 210},  // ╥ ╦ → ╥
    {206, 186, 215},  // ╬ ║ → ╫
    {190, 212, 193},  // ╛ ╘ → ┴
    {184, 213, 194},  // ╕ ╒ → ┬
    {195, 198, 197},  // ├ ╞ → ┼
    {180, 181, 197},  // ┤ ╡ → ┼
    {197, 179, 197},  // ┼ │ → ┼
    {215, 0, 215},    // ╫ → ╫
};

constexpr Crossing kDownDouble[] = {  // ║ 186 moving up or down
    {206, 216, 206},  // ╬ ╪ → ╬
    {215, 197, 215},  // ╫ ┼ → ╫
    {182, 180, 182},  // ╢ ┤ → ╢
    {199, 195, 199},  // ╟ ├ → ╟
    {187, 184, 185},  // ╗ ╕ → ╣
    {201, 213, 204},  // ╔ ╒ → ╠
    {188, 190, 185},  // ╝ ╛ → ╣
    {200, 212, 204},  // ╚ ╘ → ╠
    {214, 218, 199},  // ╓ ┌ → ╟
    {183, 191, 182},  // ╖ ┐ → ╢
    {211, 192, 199},  // ╙ └ → ╟
    {189, 217, 182},  // ╜ ┘ → ╢
    {185, 181, 185},  // ╣ ╡ → ╣
    {204, 198, 204},  // ╠ ╞ → ╠
    {210, 194, 215},  // ╥ ┬ → ╫
    {208, 193, 215},  // ╨ ┴ → ╫
    {203, 209, 206},  // ╦ ╤ → ╬
    {202, 207, 206},  // ╩ ╧ → ╬
    {205, 0, 206},    // ═ → ╬
    {196, 0, 215},    // ─ → ╫
};

constexpr Crossing kDownSingle[] = {  // │ 179 moving up or down
    {197, 215, 197},  // ┼ ╫ → ┼
    {216, 206, 216},  // ╪ ╬ → ╪
    {180, 182, 180},  // ┤ ╢ → ┤
    {195, 199, 195},  // ├ ╟ → ├
    {184, 187, 181},  // ╕ ╗ → ╡
    {213, 201, 198},  // ╒ ╔ → ╞
    {190, 188, 181},  // ╛ ╝ → ╡
    {212, 200, 198},  // ╘ ╚ → ╞
    {218, 214, 195},  // ┌ ╓ → ├
    {191, 183, 180},  // ┐ ╖ → ┤
    {192, 211, 195},  // └ ╙ → ├
    {217, 189, 180},  // ┘ ╜ → ┤
    {181, 185, 181},  // ╡ ╣ → ╡
    {198, 204, 198},  // ╞ ╠ → ╞
    {194, 210, 197},  // ┬ ╥ → ┼
    {193, 208, 197},  // ┴ ╨ → ┼
    {205, 209, 216},  // ═ ╤ → ╪
    {205, 203, 216},  // ═ ╦ → ╪
    {207, 202, 216},  // ╧ ╩ → ╪
    {196, 215, 197},  // ─ ╫ → ┼
};

int Cross(std::span<const Crossing> table, int pending, int found) {
  // 0 stands for "no second character" in the table, never for a found cell.
  if (found == 0) return pending;
  for (const Crossing& row : table) {
    if (found == row.found_a || found == row.found_b) return row.becomes;
  }
  return pending;
}

}  // namespace

int CrossHorizontal(int pending, int found) {
  if (pending == 205) return Cross(kAcrossDouble, pending, found);  // ═
  if (pending == 196) return Cross(kAcrossSingle, pending, found);  // ─
  return pending;
}

int CrossVertical(int pending, int found) {
  if (pending == 186) return Cross(kDownDouble, pending, found);  // ║
  if (pending == 179) return Cross(kDownSingle, pending, found);  // │
  return pending;
}

}  // namespace tessella::areas
