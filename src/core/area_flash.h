#pragma once
// What every area operation shares: the corner-flag tests, the flash that shows which
// area an operation is about to read, and the warning shown when there is no area.
#include "core/editor.h"

namespace tessella::core {

// The corners still describe a rectangle on the screen. The flags can outlive the
// corners: a key ends the main loop's wait with the first corner set to 0 unless
// corners were clicked in that same wait, so a confirmation left standing (menus closed
// without a choice, a box drawn) is followed by corners that start at row 0, column 0.
// Working on those would reach far beyond what the user marked.
inline bool CornersOnScreen(const Editor& ed) {
  const auto& a = ed.selection.area;
  return a.r1 >= 1 && a.c1 >= 1 && a.r1 <= a.r2 && a.c1 <= a.c2;
}
// Both corners confirmed: what Copy, Cut, Color and the code generators need.
inline bool HasArea(const Editor& ed) { return ed.selection.Confirmed() && CornersOnScreen(ed); }
// At least two rows confirmed (the first flag below the last): what Edit and the
// raised and sunken boxes need.
inline bool HasTwoRowArea(const Editor& ed) {
  return ed.selection.flag_first < ed.selection.flag_last && CornersOnScreen(ed);
}

// Covers the area with yellow-on-red shade blocks for half a second, then puts the work
// screen back exactly as it was and the output colour back to the typing colours.
void FlashArea(Editor& ed);

// Beeps and shows the "click on two diagonal corners" box until any key or click, then
// takes it away without a trace. The corner flags are left alone.
void TwoCornerWarning(Editor& ed);

// The tests as operations use them: true when the area is there; otherwise the warning
// has been shown and the operation should end.
bool RequireArea(Editor& ed);
bool RequireTwoRowArea(Editor& ed);

}  // namespace tessella::core
