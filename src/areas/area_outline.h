#pragma once
// The outline that follows the mouse while the second corner of an area is chosen.
#include "console/console.h"

namespace tessella::areas {

// Marks the outline from the first corner (r1, c1) to the mouse at (m, n). Nothing is
// marked above the first corner's row or left of its column. Outlines three or more
// columns wide have sides two columns thick.
void DrawAreaOutline(console::Console& con, int r1, int c1, int m, int n);

}  // namespace tessella::areas
