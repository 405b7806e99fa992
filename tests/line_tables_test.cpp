// The line-drawing tables: styles, crossings and turn corners, each checked at a few
// telling rows.
#include <gtest/gtest.h>

#include <string>

#include "areas/line_crossings.h"
#include "areas/line_drawing.h"
#include "areas/line_styles.h"
#include "areas/turn_corners.h"
#include "console/keys.h"

namespace tessella::areas {
namespace {

using core::Direction;

std::string Bytes(std::initializer_list<int> codes) {
  std::string s;
  for (int c : codes) s += static_cast<char>(c);
  return s;
}

TEST(LineStyles, GlyphsModesAndCharacters) {
  EXPECT_EQ(StyleGlyphs(0), Bytes({204, 185}));  // ╠╣
  EXPECT_EQ(StyleGlyphs(4), Bytes({220, 219}));  // ▄█
  EXPECT_EQ(StyleGlyphs(5), StyleGlyphs(0));     // wraps round
  EXPECT_EQ(Style(3).mode, 0x69);
  EXPECT_EQ(StyleIndexOfMode(0x71), 2);
  EXPECT_EQ(StyleIndexOfMode(0), -1);
  EXPECT_EQ(StyleIndexOfMode(0x74), -1);
  // ╞╡: ╒ at the top left, ═ across, │ down.
  EXPECT_EQ(Style(3).box.top_left, 213);
  EXPECT_EQ(Style(3).box.side, 179);
  // ╟╢: the arrow keys leave ─ across and ║ down; blocks leave ▄ going left.
  EXPECT_EQ(Style(2).leftward, 196);
  EXPECT_EQ(Style(2).vertical, 186);
  EXPECT_EQ(Style(4).leftward, 220);
}

TEST(LineCrossings, LinesJoinWhatTheyCross) {
  EXPECT_EQ(CrossHorizontal(205, 197), 216);  // ═ over ┼ → ╪
  EXPECT_EQ(CrossHorizontal(205, 199), 206);  // ═ over ╟ → ╬
  EXPECT_EQ(CrossHorizontal(205, 218), 209);  // ═ onto ┌ → ╤
  EXPECT_EQ(CrossHorizontal(196, 200), 208);  // ─ onto ╚ → ╨
  EXPECT_EQ(CrossHorizontal(196, 215), 215);  // ─ over ╫ stays ╫
  EXPECT_EQ(CrossVertical(186, 196), 215);    // ║ over ─ → ╫
  EXPECT_EQ(CrossVertical(186, 187), 185);    // ║ onto ╗ → ╣
  EXPECT_EQ(CrossVertical(179, 205), 216);    // │ over ═ → ╪
}

TEST(LineCrossings, OnlyTheLineCharactersCross) {
  EXPECT_EQ(CrossVertical(179, 'A'), 179);  // nothing to join
  // A cell holding byte 0 is not a table entry.
  EXPECT_EQ(CrossHorizontal(205, 0), 205);
  EXPECT_EQ(CrossVertical(186, 0), 186);
  // Each table belongs to its own direction; a chart character is no line character.
  EXPECT_EQ(CrossVertical(205, 186), 205);
  EXPECT_EQ(CrossHorizontal(197, 179), 197);
}

TEST(LineTurns, CornerByDirectionPreviousKeyAndStyle) {
  Turn t = TurnFor(core::Direction::kUp, keys::kLeft, 0);
  EXPECT_EQ(t.corner, 200);  // ╚
  EXPECT_EQ(t.rules, TurnRules::kUpRight);
  t = TurnFor(core::Direction::kRight, keys::kUp, 3);
  EXPECT_EQ(t.corner, 213);  // ╒
  EXPECT_EQ(t.rules, TurnRules::kDownRight);
  t = TurnFor(core::Direction::kLeft, keys::kDown, 2);
  EXPECT_EQ(t.corner, 189);  // ╜
  EXPECT_EQ(t.rules, TurnRules::kUpLeft);
  EXPECT_EQ(TurnFor(core::Direction::kDown, keys::kRight, 1).corner, 191);  // ┐
  // Straight on, reversing, or after another key: no corner.
  EXPECT_EQ(TurnFor(core::Direction::kDown, keys::kDown, 0).corner, 0);
  EXPECT_EQ(TurnFor(core::Direction::kDown, keys::kUp, 0).corner, 0);
  EXPECT_EQ(TurnFor(core::Direction::kUp, keys::kEnter, 1).corner, 0);
  // Blocks turn without corners.
  EXPECT_EQ(TurnFor(core::Direction::kUp, keys::kLeft, 4).corner, 0);
}

TEST(LineTurns, CornerJoinsTheLineItLandsOn) {
  EXPECT_EQ(JoinCorner(TurnRules::kDownLeft, 0x72, 186, 187), 185);   // ╗ on ║ → ╣
  EXPECT_EQ(JoinCorner(TurnRules::kDownLeft, 0x70, 192, 191), 197);   // ┐ on └ → ┼
  EXPECT_EQ(JoinCorner(TurnRules::kDownRight, 0x69, 179, 213), 198);  // ╒ on │ → ╞
  EXPECT_EQ(JoinCorner(TurnRules::kUpRight, 0x71, 198, 211), 208);    // ╙ on ╞ → ╨
  EXPECT_EQ(JoinCorner(TurnRules::kUpLeft, 0x72, 205, 188), 202);     // ╝ on ═ → ╩
  EXPECT_EQ(JoinCorner(TurnRules::kUpLeft, 0x70, 195, 217), 197);     // ┘ on ├ → ┼
}

TEST(LineTurns, UnnamedFoundKeepsTheCorner) {
  EXPECT_EQ(JoinCorner(TurnRules::kDownLeft, 0x72, ' ', 187), 187);
  EXPECT_EQ(JoinCorner(TurnRules::kDownLeft, 0x72, 0, 187), 187);
  // Rules are per line mode: ═ is named for ╕ but not for ┐.
  EXPECT_EQ(JoinCorner(TurnRules::kDownLeft, 0x69, 205, 184), 209);
  EXPECT_EQ(JoinCorner(TurnRules::kDownLeft, 0x70, 205, 191), 191);
}

}  // namespace
}  // namespace tessella::areas
