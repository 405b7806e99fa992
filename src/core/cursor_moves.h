#pragma once
// The cursor keys' movement and the one-row scrolls through the row store.
#include "core/editor.h"

namespace tessella::core {

enum class Direction { kUp, kDown, kLeft, kRight };
enum class MoveResult { kMoved, kRefused };

// Moves the program cursor one cell by the cursor-key rules (scrolling through the row
// store at the top and bottom of the work screen). Refused moves beep where the rules
// say so and change nothing.
MoveResult MoveCursor(Editor& ed, Direction d);

// Scrolling by one row through the row store, keeping it in step with the console.
// False when the row store has no row beyond (the move is not made).
bool ScrollDown(Editor& ed);
bool ScrollUp(Editor& ed);

}  // namespace tessella::core
