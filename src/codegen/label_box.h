#pragma once
// The box that asks for the DATA label of user control code for PBdos/QB.
#include <string>

#include "ui/modal.h"

namespace tessella::codegen {

// How long a typed DATA label may be: a BASIC source line's length. A label longer than
// its field is kept whole; only what fits in the field is echoed.
inline constexpr int kDataLabelMaxLength = 255;

// Shows the name box, reads one line typed in white on green and takes the box away
// again. The line may be empty.
std::string AskDataLabel(const ui::Modal& ui);

}  // namespace tessella::codegen
