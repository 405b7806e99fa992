// The left margin, the typing colours and clearing the console.
#include <algorithm>
#include <string_view>

#include "editor/text_entry.h"

namespace tessella::editor {
namespace {

constexpr std::string_view kColourLabel = " Txcolor BGcolor";
constexpr int kColourLabelColumn = 40;

// Shows the new colours on the toolbar line at once; the next toolbar redraw puts the
// label back in its own place.
core::Next ShowColours(core::Editor& ed) {
  ed.SetOutputColour();
  const int room = std::max(0, ed.cols() - kColourLabelColumn + 1);
  ed.console.PutText(ed.rows(), kColourLabelColumn, ed.pen.txcolor, ed.pen.bgcolor,
                     kColourLabel.substr(0, std::min<size_t>(kColourLabel.size(), room)));
  return core::Next::kBookkeeping;
}

}  // namespace

core::Next MarginOn(core::Editor& ed, core::Event&) {
  // At the right edge the margin and the cursor stay on the last column rather than
  // leaving the console.
  ed.pen.left_margin = std::min(ed.pen.cursor_col + 1, ed.cols());
  ed.pen.cursor_col = std::min(ed.pen.cursor_col + 1, ed.cols());
  return core::Next::kLoopTop;
}

core::Next MarginOff(core::Editor& ed, core::Event&) {
  ed.pen.left_margin = 1;
  return core::Next::kBookkeeping;
}

core::Next NextTextColour(core::Editor& ed, core::Event&) {
  ed.pen.txcolor = (ed.pen.txcolor + 1) % 16;
  return ShowColours(ed);
}

core::Next NextBackColour(core::Editor& ed, core::Event&) {
  ed.pen.bgcolor = (ed.pen.bgcolor + 1) % 16;
  return ShowColours(ed);
}

core::Next ClearConsole(core::Editor& ed, core::Event&) {
  ed.SetOutputColour();
  ed.console.Clear();
  return core::Next::kLoopTop;
}

}  // namespace tessella::editor
