#pragma once
// The question asked before File, Exit ends the program.
#include "ui/modal.h"

namespace tessella::editor::menu {

// Shows the Exit box and reads one event. y, Y or a click on YES lights YES and
// answers true; anything else lights NO and answers false. The lit button stays up
// for half a second.
bool ConfirmExit(const ui::Modal& ui);

}  // namespace tessella::editor::menu
