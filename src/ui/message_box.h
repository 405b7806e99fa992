#pragma once
// A one-line message in a framed box over the work screen, for failures the user must
// hear about (a file that cannot be read, a save that failed). Shown with save-under:
// the console is exactly as it was afterwards.
#include <string_view>

#include "ui/modal.h"

namespace tessella::ui {

inline constexpr int kFileMessageMs = 3000;

// Beeps, shows the text (cut to what fits) in bright white on red, centred on the work
// screen, for `ms` milliseconds, then takes it away.
void ShowMessage(const Modal& ui, std::string_view text, int ms = kFileMessageMs);

}  // namespace tessella::ui
