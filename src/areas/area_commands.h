#pragma once
// Copy, Cut, Paste and Color of the selected area, and the whole-screen copy.
#include "editor/command.h"

namespace tessella::areas {

editor::Next Copy(editor::Editor& ed, editor::Event& ev);
editor::Next Cut(editor::Editor& ed, editor::Event& ev);
editor::Next Paste(editor::Editor& ed, editor::Event& ev);
editor::Next Colour(editor::Editor& ed, editor::Event& ev);
editor::Next CopyWholeScreen(editor::Editor& ed, editor::Event& ev);

}  // namespace tessella::areas
