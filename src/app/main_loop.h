#pragma once
// Start-up and the main loop: one pass per event, every event one command.
#include "core/editor.h"

namespace tessella::app {

// Sizes the console, shows the title picture until a key or click, sets the defaults,
// and runs the main loop until the session ends (ports::SessionEnd is thrown).
void Run(core::Editor& ed);

// One pass of the main loop (exposed for the benchmark and tests).
void RunPass(core::Editor& ed);

}  // namespace tessella::app
