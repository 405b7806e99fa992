#pragma once
// Turning a corner with the arrow keys: which corner the turning press leaves in the
// cell where the previous press ended, and how that corner joins a line that was
// already in the cell.
#include "core/cursor_moves.h"

namespace tessella::areas {

// The four kinds of corner, named by the two arms they open towards.
enum class TurnRules { kDownLeft, kDownRight, kUpRight, kUpLeft };

struct Turn {
  int corner = 0;  // 0 when the press does not turn
  TurnRules rules = TurnRules::kDownLeft;
};

// The corner for a press in direction `d` after the key `previous_key`, in the line
// style of index 0-3 (the block style turns without corners). No corner when the
// previous key was not an arrow at right angles to `d`.
Turn TurnFor(core::Direction d, int previous_key, int style_index);

// The corner to write when the cell held `found`: the junction of the corner with the
// line found there, or `corner` unchanged when the rules name no such line.
int JoinCorner(TurnRules rules, int mode, int found, int corner);

}  // namespace tessella::areas
