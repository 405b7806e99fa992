#pragma once
// Start-up and the main loop: one pass per event, every event one command.
#include "editor/editor.h"

namespace tessella::editor {

// Sizes the console, shows the title picture until a key or click, sets the defaults,
// and runs the main loop until the session ends (platform::SessionEnd is thrown).
void Run(Editor& ed);

// One pass of the main loop (exposed for the benchmark and tests).
void RunPass(Editor& ed);

}  // namespace tessella::editor
