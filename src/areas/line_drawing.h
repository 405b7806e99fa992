#pragma once
// Line drawing: boxes and lines from an area with the toolbar's line-style glyphs, and
// the arrow keys leaving line characters.
#include "editor/command.h"
#include "editor/text_entry.h"

namespace tessella::areas {

// A click on the toolbar's line-style glyphs: the right button steps the style, the
// left button draws around the area or loads the style into the arrow keys.
void LineStyleCommand(editor::Editor& ed, const editor::Event& ev);

// Up, Down, Left and Right: the cursor move with the arrow-key drawing step.
editor::Next ArrowUp(editor::Editor& ed, editor::Event& ev);
editor::Next ArrowDown(editor::Editor& ed, editor::Event& ev);
editor::Next ArrowLeft(editor::Editor& ed, editor::Event& ev);
editor::Next ArrowRight(editor::Editor& ed, editor::Event& ev);

// The toolbar glyph pair of style index 0-4.
const char* StyleGlyphs(int style);

}  // namespace tessella::areas
