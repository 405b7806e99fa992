#pragma once
// The DOS code dialog: launcher Yes or No, the Basic, and the DATA label.
#include <optional>

#include "codegen/dos_code.h"
#include "ui/modal.h"

namespace tessella::codegen {

// Shows the dialog over the console and reads clicks until the label has been typed.
// Every run starts with Yes; the Basic starts as `remembered` (shown marked when one is
// set). A click on the label field before a Basic is picked shows "Pick a Basic" for
// three seconds and the dialog goes on. Esc leaves the dialog with nothing. Either way
// the console is given back as it was, with the cursor hidden.
std::optional<DosAnswers> AskDosAnswers(const ui::Modal& ui, DosBasic remembered);

}  // namespace tessella::codegen
