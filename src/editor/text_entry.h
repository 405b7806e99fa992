#pragma once
// Typing in strikeover mode, the cursor keys, rows, margins, text colours, clearing and
// resetting the console size.
#include "core/command.h"

namespace tessella::editor {

// The typing path: every key number without a key-table entry.
core::Next Type(core::Editor& ed, core::Event& ev);
core::Next Backspace(core::Editor& ed, core::Event& ev);
core::Next EnterKey(core::Editor& ed, core::Event& ev);
core::Next DeleteKey(core::Editor& ed, core::Event& ev);
core::Next Home(core::Editor& ed, core::Event& ev);
core::Next End(core::Editor& ed, core::Event& ev);
core::Next MarginOn(core::Editor& ed, core::Event& ev);
core::Next MarginOff(core::Editor& ed, core::Event& ev);
core::Next NextTextColour(core::Editor& ed, core::Event& ev);
core::Next NextBackColour(core::Editor& ed, core::Event& ev);
core::Next ClearConsole(core::Editor& ed, core::Event& ev);
core::Next ResetConsoleSize(core::Editor& ed, core::Event& ev);
core::Next Undo(core::Editor& ed, core::Event& ev);
core::Next Redo(core::Editor& ed, core::Event& ev);

}  // namespace tessella::editor
