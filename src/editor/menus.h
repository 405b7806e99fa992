#pragma once
// The right-click menu bar and its drop-down menus.
#include "ui/modal.h"

namespace tessella::editor {

// Runs the menus modally and returns the command code chosen (menu number and item
// number as decimal digits), 0 when nothing was chosen.
int RunMenu(const ui::Modal& ui);

}  // namespace tessella::editor
