#pragma once
// Start-up: the console size, the title picture, the document and the defaults.
#include "editor/editor.h"

namespace tessella::editor {

inline constexpr const char* kTitleWhileStarting = "    Tessella    Version 2.9     ";
inline constexpr const char* kTitle = "   Tessella  Version 2.9       ";

void StartUp(Editor& ed);
// The console title with the current file name.
void ShowTitle(Editor& ed);

}  // namespace tessella::editor
