#pragma once
// GetEvent: the main loop's reader. It paints the live toolbar fields, waits for one
// event, and runs the two-click choice of an area inside the same wait.
#include "editor/editor.h"

namespace tessella::editor {

// Returns the event; leaves the area corners, the corner flags, the cursor (moved to a
// first corner), the undo request and the line-drawing state as the choosing sets them.
Event GetEvent(Editor& ed);

}  // namespace tessella::editor
