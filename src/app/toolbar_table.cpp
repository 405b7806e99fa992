#include "app/toolbar_table.h"

#include <algorithm>
#include <array>

#include "areas/line_drawing.h"
#include "console/keys.h"
#include "editor/text_entry.h"

namespace tessella::app {
namespace {

using namespace tessella::keys;
using enum ToolbarAction;
constexpr auto kR = ToolbarButton::kRight;
constexpr auto kL = ToolbarButton::kLeft;

// Tried in this order; the first match wins.
constexpr std::array kToolbar = {
    ToolbarEntry{kR, 43, 46, kLineStyle, 0},         // line-style glyphs: next style
    ToolbarEntry{kR, 62, 65, kKey, kPgUp},           // Page
    ToolbarEntry{kR, 69, 71, kKey, kUp},             // Row
    ToolbarEntry{kR, 47, 52, kTextColourDown, kF3},  // TxColor
    ToolbarEntry{kR, 54, 60, kBackColourDown, kF4},  // BgColor
    ToolbarEntry{kR, 81, 84, kRedo, 0},              // Undo: redo
    ToolbarEntry{kL, 34, 41, kKey, kAltX},           // ColChart
    ToolbarEntry{kL, 46, 52, kKey, kF3},             // TxColor
    ToolbarEntry{kL, 54, 60, kKey, kF4},             // BgColor
    ToolbarEntry{kL, 7, 11, kKey, kF10},             // Paste
    ToolbarEntry{kL, 2, 5, kKey, kF9},               // Copy
    ToolbarEntry{kL, 13, 16, kKey, kF2},             // Cut
    ToolbarEntry{kL, 18, 22, kKey, kF5},             // Color
    ToolbarEntry{kL, 24, 28, kKey, kF12},            // Edit
    ToolbarEntry{kL, 28, 33, kKey, kAltY},           // Mouse (28 is Edit's)
    ToolbarEntry{kL, 43, 46, kLineStyle, 0},         // line-style glyphs (46 is TxColor's)
    ToolbarEntry{kL, 62, 65, kKey, kPgDn},           // Page
    ToolbarEntry{kL, 69, 71, kKey, kDown},           // Row
    ToolbarEntry{kL, 81, 84, kKey, kAltU},           // Undo
    ToolbarEntry{kL, 86, 0, kPushBeforeKey, kAltK},  // ASCII
};

// Steps a colour down by two so that F3 or F4, which add one, leave it one lower,
// wrapping 0 round to 15.
int DownTwo(int colour) { return (colour - 2 + 16) % 16; }

}  // namespace

std::span<const ToolbarEntry> ToolbarTable() { return kToolbar; }

const ToolbarEntry* FindToolbarEntry(ToolbarButton button, int col) {
  auto it = std::find_if(kToolbar.begin(), kToolbar.end(), [&](const ToolbarEntry& e) {
    return e.button == button && col >= e.from && (e.to == 0 || col <= e.to);
  });
  return it == kToolbar.end() ? nullptr : &*it;
}

bool RunToolbarClick(core::Editor& ed, core::Event& ev) {
  const ToolbarEntry* entry = nullptr;
  if (ev.rgt) entry = FindToolbarEntry(ToolbarButton::kRight, ev.col);
  if (!entry && ev.lft) entry = FindToolbarEntry(ToolbarButton::kLeft, ev.col);
  if (!entry) return false;
  switch (entry->action) {
    case kLineStyle:
      areas::LineStyleCommand(ed, ev);
      return false;
    case kRedo:
      editor::Redo(ed, ev);
      return false;
    case kTextColourDown:
      ed.pen.txcolor = DownTwo(ed.pen.txcolor);
      break;
    case kBackColourDown:
      ed.pen.bgcolor = DownTwo(ed.pen.bgcolor);
      break;
    case kPushBeforeKey:
      ed.undo.Push(ed.loop.before);
      break;
    case kKey:
      break;
  }
  ev.keynumber = entry->keynumber;
  return true;
}

}  // namespace tessella::app
