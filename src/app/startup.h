#pragma once
// Start-up: the console size, the title picture, the document and the defaults.
#include "core/editor.h"

namespace tessella::app {

inline constexpr const char* kTitleWhileStarting = "    Tessella    Version 2.9     ";
inline constexpr const char* kTitle = "   Tessella  Version 2.9       ";

void StartUp(core::Editor& ed);
// The console title with the current file name (a text-art file's own title when it
// has one).
void ShowTitle(core::Editor& ed);

}  // namespace tessella::app
