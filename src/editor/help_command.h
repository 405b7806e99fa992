#pragma once
// F1: the Help menu.
#include "editor/command.h"

namespace tessella::editor {

Next Help(Editor& ed, Event& ev);

}  // namespace tessella::editor
