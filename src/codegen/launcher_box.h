#pragma once
// The launcher box of the PBCC screen code: which region writer the code gets.
#include "codegen/pbcc_code.h"
#include "ui/modal.h"

namespace tessella::codegen {

// Shows the launcher box and reads one event. A click on PBCC or ASM lights that
// button for 300 ms and picks it; a click beside both or a key picks neither
// (Launcher::kNone). The caller takes the box away.
Launcher AskLauncher(const ui::Modal& ui);

}  // namespace tessella::codegen
