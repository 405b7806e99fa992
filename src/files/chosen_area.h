#pragma once
// The chosen area's cells as the savers of a single area (include files, DATA sources)
// take them from the console: no flash, no area buffer, only what lies on the work
// screen.
#include <optional>

#include "console/rect.h"
#include "console/screen_image.h"
#include "core/editor.h"

namespace tessella::files {

struct ChosenCells {
  console::Rect place;         // top, left, bottom, right on the console
  console::ScreenImage cells;  // (character, attribute) pairs
};

// The area as far as it lies on the work screen. When nothing of it does (Paste can
// leave corners beyond the edge), the user is told and nothing is given.
std::optional<ChosenCells> ReadChosenCells(core::Editor& ed);

}  // namespace tessella::files
