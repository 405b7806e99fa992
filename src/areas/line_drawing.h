#pragma once
// Line drawing: boxes and lines from an area with the toolbar's line-style glyphs, and
// the arrow keys leaving line characters.
#include "core/command.h"
#include "core/cursor_moves.h"

namespace tessella::areas {

// A click on the toolbar's line-style glyphs: the right button steps the style, the
// left button draws around the area or loads the style into the arrow keys.
void LineStyleCommand(core::Editor& ed, const core::Event& ev);

// Up, Down, Left and Right: the cursor move with the arrow-key drawing step.
core::Next ArrowUp(core::Editor& ed, core::Event& ev);
core::Next ArrowDown(core::Editor& ed, core::Event& ev);
core::Next ArrowLeft(core::Editor& ed, core::Event& ev);
core::Next ArrowRight(core::Editor& ed, core::Event& ev);

// The toolbar glyph pair of style index 0-4.
const char* StyleGlyphs(int style);

}  // namespace tessella::areas
