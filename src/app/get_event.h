#pragma once
// GetEvent: the main loop's reader. It paints the live toolbar fields, waits for one
// event, and runs the two-click choice of an area inside the same wait.
#include "core/editor.h"

namespace tessella::app {

// Returns the event; leaves the area corners, the corner flags, the cursor (moved to a
// first corner), the undo request and the line-drawing state as the choosing sets them.
core::Event GetEvent(core::Editor& ed);

}  // namespace tessella::app
