#pragma once
// The toolbar table: what a click on the toolbar line does, by button and column.
#include <span>

#include "core/command.h"

namespace tessella::app {

enum class ToolbarButton { kRight, kLeft };

enum class ToolbarAction {
  kKey,              // go on with the key number
  kTextColourDown,   // TxColor down by two (wrapping), then the key (F3 adds one back)
  kBackColourDown,   // BgColor likewise, then F4
  kPushBeforeKey,    // push the "before" picture on the undo list, then the key
  kLineStyle,        // the line-style command, then the top of the loop
  kRedo,             // redo, then the top of the loop
};

struct ToolbarEntry {
  ToolbarButton button;
  int from;  // columns, inclusive; `to` 0 means "and beyond"
  int to;
  ToolbarAction action;
  int keynumber;
};

// Right-click entries first, then left-click entries, each in the order they are tried.
std::span<const ToolbarEntry> ToolbarTable();

// The first entry for this button and column, or nullptr.
const ToolbarEntry* FindToolbarEntry(ToolbarButton button, int col);

// Runs a toolbar click. True when the event goes on to the key table with ev.keynumber
// set; false when the loop goes back to its top.
bool RunToolbarClick(core::Editor& ed, core::Event& ev);

}  // namespace tessella::app
