#pragma once
// Typing in strikeover mode, the cursor keys, rows, margins, text colours, clearing and
// resetting the console size.
#include "editor/command.h"

namespace tessella::editor {

enum class Direction { kUp, kDown, kLeft, kRight };
enum class MoveResult { kMoved, kRefused };

// Moves the program cursor one cell by the cursor-key rules (scrolling through the row
// store at the top and bottom of the work screen). Refused moves beep where the rules
// say so and change nothing.
MoveResult MoveCursor(Editor& ed, Direction d);

// The typing path: every key number without a key-table entry.
Next Type(Editor& ed, Event& ev);
Next Backspace(Editor& ed, Event& ev);
Next EnterKey(Editor& ed, Event& ev);
Next DeleteKey(Editor& ed, Event& ev);
Next Home(Editor& ed, Event& ev);
Next End(Editor& ed, Event& ev);
Next MarginOn(Editor& ed, Event& ev);
Next MarginOff(Editor& ed, Event& ev);
Next NextTextColour(Editor& ed, Event& ev);
Next NextBackColour(Editor& ed, Event& ev);
Next ClearConsole(Editor& ed, Event& ev);
Next ResetConsoleSize(Editor& ed, Event& ev);
Next Undo(Editor& ed, Event& ev);
Next Redo(Editor& ed, Event& ev);

// Scrolling by one row through the row store, keeping it in step with the console.
// False when the row store has no row beyond (the move is not made).
bool ScrollDown(Editor& ed);
bool ScrollUp(Editor& ed);

}  // namespace tessella::editor
