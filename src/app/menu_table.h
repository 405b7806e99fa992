#pragma once
// The menu table: what the main loop does with a command code from the menus.
#include <span>

#include "core/editor.h"

namespace tessella::app {

enum class MenuEffect {
  kKey,            // the key number, nothing more
  kSaveAs,         // Alt-S with the save-as flag
  kSavePart,       // Alt-S with the save part flag
  kMarginHere,     // Margin on from the menu: the margin at the cursor's own column
  kExitProgram,    // File, Exit confirmed: the program ends without saving
};

struct MenuEntry {
  int code;
  int keynumber;
  MenuEffect effect;
};

std::span<const MenuEntry> MenuTable();

// Turns a command code into the event's key number (0 for codes without a command).
// Ends the session for File, Exit.
void TranslateMenuCode(core::Editor& ed, core::Event& ev, int code);

}  // namespace tessella::app
