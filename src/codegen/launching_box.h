#pragma once
// The box that asks whether generated code gets a screen launching routine.
#include "ui/modal.h"

namespace tessella::codegen {

// Shows the box with the cursor hidden and reads one event: true only for a click on
// "Yes"; a click anywhere else ("No" included) or any key means no. The box is taken
// away again.
bool AskLaunchingRoutine(const ui::Modal& ui);

}  // namespace tessella::codegen
