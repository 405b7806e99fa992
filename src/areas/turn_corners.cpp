#include "areas/turn_corners.h"

#include <array>
#include <span>

#include "areas/line_styles.h"
#include "console/keys.h"

namespace tessella::areas {
namespace {

using core::Direction;
using enum TurnRules;

// --- Which corner a turn leaves -----------------------------------------------------

struct TurnEntry {
  core::Direction d;
  int previous_key;
  std::array<int, 4> corners;  // by style index: ═║, ─│, ─║, ═│
  TurnRules rules;
};

constexpr TurnEntry kTurns[] = {
    {core::Direction::kUp, keys::kLeft, {200, 192, 211, 212}, kUpRight},       // ╚ └ ╙ ╘
    {core::Direction::kUp, keys::kRight, {188, 217, 189, 190}, kUpLeft},       // ╝ ┘ ╜ ╛
    {core::Direction::kDown, keys::kRight, {187, 191, 183, 184}, kDownLeft},   // ╗ ┐ ╖ ╕
    {core::Direction::kDown, keys::kLeft, {201, 218, 214, 213}, kDownRight},   // ╔ ┌ ╓ ╒
    {core::Direction::kLeft, keys::kUp, {187, 191, 183, 184}, kDownLeft},      // ╗ ┐ ╖ ╕
    {core::Direction::kLeft, keys::kDown, {188, 217, 189, 190}, kUpLeft},      // ╝ ┘ ╜ ╛
    {core::Direction::kRight, keys::kDown, {200, 192, 211, 212}, kUpRight},    // ╚ └ ╙ ╘
    {core::Direction::kRight, keys::kUp, {201, 218, 214, 213}, kDownRight},    // ╔ ┌ ╓ ╒
};

// --- How a corner joins what was in its cell --------------------------------------

// One or two found characters (0 where there is only one) and what the corner becomes.
struct JoinRule {
  int found_a, found_b, becomes;
};

struct ModeRules {
  int mode;
  std::array<JoinRule, 6> rules;  // tried in order, the first match wins
};

using RuleSet = std::array<ModeRules, 4>;

// Corners ╗ ┐ ╖ ╕.
constexpr RuleSet kDownLeftRules = {{
    {kModeDouble,
     {{{200, 202, 206},  // ╚ ╩ → ╬
       {204, 206, 206},  // ╠ ╬ → ╬
       {188, 185, 185},  // ╝ ╣ → ╣
       {203, 205, 203},  // ╦ ═ → ╦
       {201, 0, 203},    // ╔ → ╦
       {186, 0, 185}}}},  // ║ → ╣
    {kModeSingle,
     {{{192, 193, 197},  // └ ┴ → ┼
       {197, 195, 197},  // ┼ ├ → ┼
       {218, 194, 194},  // ┌ ┬ → ┬
       {180, 217, 180},  // ┤ ┘ → ┤
       {196, 0, 194},    // ─ → ┬
       {179, 0, 180}}}},  // │ → ┤
    {kModeDoubleDown,
     {{{211, 208, 215},  // ╙ ╨ → ╫
       {215, 199, 215},  // ╫ ╟ → ╫
       {214, 210, 210},  // ╓ ╥ → ╥
       {182, 189, 182},  // ╢ ╜ → ╢
       {196, 0, 210},    // ─ → ╥
       {186, 0, 182}}}},  // ║ → ╢
    {kModeDoubleAcross,
     {{{212, 207, 216},  // ╘ ╧ → ╪
       {216, 206, 216},  // ╪ ╬ → ╪
       {190, 181, 181},  // ╛ ╡ → ╡
       {213, 209, 209},  // ╒ ╤ → ╤
       {179, 0, 181},    // │ → ╡
       {205, 0, 209}}}},  // ═ → ╤
}};

// Corners ╔ ┌ ╓ ╒.
constexpr RuleSet kDownRightRules = {{
    {kModeDouble,
     {{{200, 204, 204},  // ╚ ╠ → ╠
       {202, 206, 206},  // ╩ ╬ → ╬
       {188, 185, 206},  // ╝ ╣ → ╬
       {203, 187, 203},  // ╦ ╗ → ╦
       {205, 0, 203},    // ═ → ╦
       {186, 0, 204}}}},  // ║ → ╠
    {kModeSingle,
     {{{217, 193, 197},  // ┘ ┴ → ┼
       {180, 197, 197},  // ┤ ┼ → ┼
       {192, 195, 195},  // └ ├ → ├
       {194, 191, 194},  // ┬ ┐ → ┬
       {179, 0, 195},    // │ → ├
       {196, 0, 194}}}},  // ─ → ┬
    {kModeDoubleDown,
     {{{189, 208, 215},  // ╜ ╨ → ╫
       {182, 215, 215},  // ╢ ╫ → ╫
       {199, 211, 199},  // ╟ ╙ → ╟
       {183, 210, 210},  // ╖ ╥ → ╥
       {186, 0, 199},    // ║ → ╟
       {196, 0, 210}}}},  // ─ → ╥
    {kModeDoubleAcross,
     {{{190, 207, 216},  // ╛ ╧ → ╪
       {216, 181, 216},  // ╪ ╡ → ╪
       {184, 209, 209},  // ╕ ╤ → ╤
       {212, 198, 198},  // ╘ ╞ → ╞
       {205, 0, 209},    // ═ → ╤
       {179, 0, 198}}}},  // │ → ╞
}};

// Corners ╚ └ ╙ ╘.
constexpr RuleSet kUpRightRules = {{
    {kModeDouble,
     {{{205, 188, 202},  // ═ ╝ → ╩
       {187, 203, 206},  // ╗ ╦ → ╬
       {204, 201, 204},  // ╠ ╔ → ╠
       {185, 206, 206},  // ╣ ╬ → ╬
       {202, 0, 202},    // ╩ → ╩
       {186, 0, 204}}}},  // ║ → ╠
    {kModeSingle,
     {{{217, 193, 193},  // ┘ ┴ → ┴
       {218, 195, 195},  // ┌ ├ → ├
       {180, 191, 197},  // ┤ ┐ → ┼
       {196, 0, 193},    // ─ → ┴
       {179, 0, 195},    // │ → ├
       {194, 197, 197}}}},  // ┬ ┼ → ┼
    {kModeDoubleDown,
     {{{198, 208, 208},  // ╞ ╨ → ╨
       {183, 210, 215},  // ╖ ╥ → ╫
       {214, 199, 199},  // ╓ ╟ → ╟
       {196, 0, 208},    // ─ → ╨
       {186, 0, 199},    // ║ → ╟
       {182, 215, 215}}}},  // ╢ ╫ → ╫
    {kModeDoubleAcross,
     {{{190, 207, 207},  // ╛ ╧ → ╧
       {184, 209, 216},  // ╕ ╤ → ╪
       {198, 213, 198},  // ╞ ╒ → ╞
       {205, 0, 207},    // ═ → ╧
       {179, 0, 198},    // │ → ╞
       {181, 216, 216}}}},  // ╡ ╪ → ╪
}};

// Corners ╝ ┘ ╜ ╛.
constexpr RuleSet kUpLeftRules = {{
    {kModeDouble,
     {{{205, 200, 202},  // ═ ╚ → ╩
       {201, 203, 206},  // ╔ ╦ → ╬
       {185, 187, 185},  // ╣ ╗ → ╣
       {205, 202, 202},  // ═ ╩ → ╩
       {186, 0, 185},    // ║ → ╣
       {204, 206, 206}}}},  // ╠ ╬ → ╬
    {kModeSingle,
     {{{192, 193, 193},  // └ ┴ → ┴
       {218, 194, 197},  // ┌ ┬ → ┼
       {191, 180, 180},  // ┐ ┤ → ┤
       {196, 0, 193},    // ─ → ┴
       {179, 0, 180},    // │ → ┤
       {195, 197, 197}}}},  // ├ ┼ → ┼
    {kModeDoubleDown,
     {{{211, 208, 208},  // ╙ ╨ → ╨
       {214, 210, 215},  // ╓ ╥ → ╫
       {182, 183, 182},  // ╢ ╖ → ╢
       {196, 0, 208},    // ─ → ╨
       {186, 0, 182},    // ║ → ╢
       {199, 215, 215}}}},  // ╟ ╫ → ╫
    {kModeDoubleAcross,
     {{{212, 207, 207},  // ╘ ╧ → ╧
       {213, 209, 216},  // ╒ ╤ → ╪
       {181, 184, 181},  // ╡ ╕ → ╡
       {205, 0, 207},    // ═ → ╧
       {179, 0, 181},    // │ → ╡
       {198, 216, 216}}}},  // ╞ ╪ → ╪
}};

const RuleSet& RulesOf(TurnRules rules) {
  switch (rules) {
    case kDownLeft: return kDownLeftRules;
    case kDownRight: return kDownRightRules;
    case kUpRight: return kUpRightRules;
    case kUpLeft: return kUpLeftRules;
  }
  return kDownLeftRules;
}

}  // namespace

Turn TurnFor(core::Direction d, int previous_key, int style_index) {
  if (style_index < 0 || style_index >= 4) return {};
  for (const TurnEntry& t : kTurns) {
    if (t.d == d && t.previous_key == previous_key) {
      return {t.corners[static_cast<size_t>(style_index)], t.rules};
    }
  }
  return {};
}

int JoinCorner(TurnRules rules, int mode, int found, int corner) {
  // 0 stands for "no second character" in the rules, never for a found cell.
  if (found == 0) return corner;
  for (const ModeRules& m : RulesOf(rules)) {
    if (m.mode != mode) continue;
    for (const JoinRule& r : m.rules) {
      if (found == r.found_a || found == r.found_b) return r.becomes;
    }
  }
  return corner;
}

}  // namespace tessella::areas
