#include "areas/line_drawing.h"

#include <string>

#include "areas/line_crossings.h"
#include "areas/line_styles.h"
#include "areas/turn_corners.h"
#include "console/keys.h"

namespace tessella::areas {

using core::Direction;
using core::Editor;
using core::Next;

namespace {

// Lines are drawn in the typing colours. Writing cell by cell keeps the program
// cursor, and the console's own text cursor, where they are.
void Put(core::Editor& ed, int row, int col, int ch) {
  ed.console.PutText(row, col, ed.pen.txcolor, ed.pen.bgcolor, std::string(1, static_cast<char>(ch)));
}

// A straight run from (row, col): `first`, then `count` copies of `middle`, then `last`.
void PutRow(core::Editor& ed, int row, int col, int first, int middle, int count, int last) {
  Put(ed, row, col, first);
  for (int i = 1; i <= count; ++i) Put(ed, row, col + i, middle);
  Put(ed, row, col + count + 1, last);
}

// The area as the last confirming click left it, when it lies on the work screen; a
// corner off the work screen would draw into the toolbar line or past the edge.
bool AreaOnWorkScreen(const core::Editor& ed) {
  const auto& a = ed.selection.area;
  return a.r1 >= 1 && a.r1 <= a.r2 && a.r2 <= ed.rows() - 1 && a.c1 >= 1 && a.c1 <= a.c2 &&
         a.c2 <= ed.cols();
}

// Draws the style's box or straight line around the confirmed area; false when the
// area is no shape (none confirmed, or a single cell).
bool DrawShape(core::Editor& ed, const LineStyle& style) {
  const int f1 = ed.selection.flag_first;
  const int f2 = ed.selection.flag_last;
  if (f1 == 0 || f2 == 0 || !AreaOnWorkScreen(ed)) return false;
  const auto& a = ed.selection.area;
  const int between = a.c2 - a.c1 - 1;
  if (f1 < f2 && a.c2 > a.c1) {
    const BoxChars& b = style.box;
    PutRow(ed, a.r1, a.c1, b.top_left, b.top, between, b.top_right);
    for (int r = a.r1 + 1; r <= a.r2 - 1; ++r) {
      Put(ed, r, a.c1, b.side);
      Put(ed, r, a.c2, b.side);
    }
    PutRow(ed, a.r2, a.c1, b.bottom_left, b.bottom, between, b.bottom_right);
    return true;
  }
  if (f1 == f2 && a.c2 > a.c1) {
    const LineChars& l = style.row_line;
    PutRow(ed, a.r1, a.c1, l.first, l.middle, between, l.last);
    return true;
  }
  if (f1 < f2 && a.c2 == a.c1) {
    const LineChars& l = style.column_line;
    Put(ed, a.r1, a.c1, l.first);
    for (int r = a.r1 + 1; r <= a.r2 - 1; ++r) Put(ed, r, a.c1, l.middle);
    Put(ed, a.r2, a.c1, l.last);
    return true;
  }
  return false;
}

bool IsVertical(core::Direction d) { return d == core::Direction::kUp || d == core::Direction::kDown; }

int PendingFor(const LineStyle& style, core::Direction d) {
  if (IsVertical(d)) return style.vertical;
  return d == core::Direction::kLeft ? style.leftward : style.rightward;
}

// The block style has no corners. Where the direction turns, the cursor first steps
// back into the cell the previous press left, so the move brings it back there and
// the turning press overwrites that cell: the half block becomes a full one. True when
// the cursor was stepped back.
bool PushBackOnTurn(core::Editor& ed, core::Direction d) {
  const int p = ed.loop.previous_key;
  switch (d) {
    case core::Direction::kUp:
      if (p != keys::kLeft) return false;
      ++ed.pen.cursor_row;
      return true;
    case core::Direction::kDown:
      if (p != keys::kRight) return false;
      --ed.pen.cursor_row;
      return true;
    case core::Direction::kLeft:
      if (p != keys::kUp) return false;
      ++ed.pen.cursor_col;
      return true;
    case core::Direction::kRight:
      if (p != keys::kDown) return false;
      --ed.pen.cursor_col;
      return true;
  }
  return false;
}

core::Next Arrow(core::Editor& ed, core::Direction d) {
  auto& lines = ed.lines;
  const int style_index = StyleIndexOfMode(lines.mode);
  int corner = 0;
  bool pushed_back = false;

  if (style_index >= 0) {
    const LineStyle& style = Style(style_index);
    lines.pending = PendingFor(style, d);
    if (style.mode == kModeBlock) {
      // Right after a toolbar click the press starts a new line (see below): stepping
      // back would overwrite the cell under the cursor instead of drawing from it.
      if (!ed.loop.previous_click_on_toolbar) pushed_back = PushBackOnTurn(ed, d);
    } else {
      const Turn turn = TurnFor(d, ed.loop.previous_key, style_index);
      if (turn.corner != 0) {
        corner = JoinCorner(turn.rules, style.mode, lines.found, turn.corner);
        lines.found = 0;
      }
    }
  }
  // With no mode loaded the pending character keeps its value.

  // A press right after a left click on the toolbar line leaves no corner: after the
  // glyph click that loads a style, the key before the click belongs to an earlier
  // line, not to the one this press starts.
  if (corner != 0 && !ed.loop.previous_click_on_toolbar) {
    Put(ed, ed.pen.cursor_row, ed.pen.cursor_col, corner);
  }

  // The step back and the move cancel out; the line counter must not drift with them.
  const int line_counter = ed.doc.line_counter;
  if (core::MoveCursor(ed, d) == core::MoveResult::kRefused) return core::Next::kLoopTop;
  if (pushed_back) ed.doc.line_counter = line_counter;

  lines.found = ed.console.AtOutput(ed.pen.cursor_row, ed.pen.cursor_col).ch;
  if (lines.pending != 0) {
    lines.pending = IsVertical(d) ? CrossVertical(lines.pending, lines.found)
                                  : CrossHorizontal(lines.pending, lines.found);
    // A block line across a full block keeps it whole, except where the press turns
    // out of a block column (Left after Up, Right after Down): there the half block
    // is the corner.
    if (lines.mode == kModeBlock && !IsVertical(d) && lines.found == 219) {  // █
      const int out_of_column = d == core::Direction::kLeft ? keys::kUp : keys::kDown;
      if (ed.loop.previous_key != out_of_column) lines.pending = 219;
    }
    Put(ed, ed.pen.cursor_row, ed.pen.cursor_col, lines.pending);
  }
  return core::Next::kBookkeeping;
}

}  // namespace

const char* StyleGlyphs(int style) { return Style(style).glyphs.data(); }

void LineStyleCommand(core::Editor& ed, const core::Event& ev) {
  if (ev.rgt) {
    ed.lines.style = (ed.lines.style + 1) % kStyleCount;
  } else if (ev.lft) {
    const LineStyle& style = Style(ed.lines.style);
    ed.lines.mode = style.mode;
    if (DrawShape(ed, style)) {
      ed.lines.pending = 0;
      ed.lines.mode = 0;
    }
  }
  ed.selection.Drop();
  ed.selection.area.c1 = ed.selection.area.c2 = 0;
}

core::Next ArrowUp(core::Editor& ed, core::Event&) { return Arrow(ed, core::Direction::kUp); }
core::Next ArrowDown(core::Editor& ed, core::Event&) { return Arrow(ed, core::Direction::kDown); }
core::Next ArrowLeft(core::Editor& ed, core::Event&) { return Arrow(ed, core::Direction::kLeft); }
core::Next ArrowRight(core::Editor& ed, core::Event&) { return Arrow(ed, core::Direction::kRight); }

}  // namespace tessella::areas
