#pragma once
// The options box of the console screen code generators: which pieces go with the
// screen routine.
#include "codegen/clickable_words.h"
#include "ui/modal.h"

namespace tessella::codegen {

// Shows the options box and reads one event. A click on one of the three upper check
// fields picks its option (the SELECT CASE one is ticked with character 251); Screen
// Only, a click anywhere else or a key picks none. The click leaves the console's
// cursor on the cell clicked and its output colour green on light red; a key leaves
// the cursor where it was. The caller takes the box away.
CodeOption AskCodeOption(const ui::Modal& ui);

}  // namespace tessella::codegen
