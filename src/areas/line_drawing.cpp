#include "areas/line_drawing.h"

namespace tessella::areas {

using editor::Direction;
using editor::Next;

namespace {

// The five styles' toolbar glyphs, in cycling order.
constexpr const char* kGlyphs[5] = {"\xCC\xB9", "\xC3\xB4", "\xC7\xB6", "\xC6\xB5", "\xDC\xDB"};

Next Arrow(editor::Editor& ed, Direction d) {
  return editor::MoveCursor(ed, d) == editor::MoveResult::kMoved ? Next::kBookkeeping
                                                                 : Next::kLoopTop;
}

}  // namespace

const char* StyleGlyphs(int style) { return kGlyphs[((style % 5) + 5) % 5]; }

void LineStyleCommand(editor::Editor& ed, const editor::Event& ev) {
  if (ev.rgt) ed.lines.style = (ed.lines.style + 1) % 5;
  ed.flag_first = ed.flag_last = 0;
  ed.area.c1 = ed.area.c2 = 0;
}

Next ArrowUp(editor::Editor& ed, editor::Event&) { return Arrow(ed, Direction::kUp); }
Next ArrowDown(editor::Editor& ed, editor::Event&) { return Arrow(ed, Direction::kDown); }
Next ArrowLeft(editor::Editor& ed, editor::Event&) { return Arrow(ed, Direction::kLeft); }
Next ArrowRight(editor::Editor& ed, editor::Event&) { return Arrow(ed, Direction::kRight); }

}  // namespace tessella::areas
