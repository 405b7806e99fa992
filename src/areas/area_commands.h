#pragma once
// Copy, Cut, Paste and Color of the selected area, and the whole-screen copy.
#include "core/command.h"

namespace tessella::areas {

core::Next Copy(core::Editor& ed, core::Event& ev);
core::Next Cut(core::Editor& ed, core::Event& ev);
core::Next Paste(core::Editor& ed, core::Event& ev);
core::Next Colour(core::Editor& ed, core::Event& ev);
core::Next CopyWholeScreen(core::Editor& ed, core::Event& ev);

}  // namespace tessella::areas
