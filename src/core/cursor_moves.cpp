// The cursor keys' movement and the one-row scrolls through the row store.
#include "core/cursor_moves.h"

namespace tessella::core {

bool ScrollDown(Editor& ed) {
  const int R = ed.rows();
  // The row entering at the bottom must lie inside the row store.
  if (ed.doc.store.current + R - 1 > RowStore::kLastIndex) return false;
  ed.doc.store.StorePage(ed.console);
  ed.doc.store.current -= R - 2;
  ed.doc.store.LoadPage(ed.console);
  return true;
}

bool ScrollUp(Editor& ed) {
  if (ed.doc.store.current <= 0) return false;
  ed.doc.store.StorePage(ed.console);
  ed.doc.store.current -= ed.rows();
  ed.doc.store.LoadPage(ed.console);
  return true;
}

MoveResult MoveCursor(Editor& ed, Direction d) {
  const int R = ed.rows();
  switch (d) {
    case Direction::kUp:
      if (ed.doc.line_counter != 1) --ed.doc.line_counter;
      if (ed.pen.cursor_row > 1) {
        --ed.pen.cursor_row;
        return MoveResult::kMoved;
      }
      if (!ScrollUp(ed)) return MoveResult::kRefused;
      ed.undo.Clear();
      return MoveResult::kMoved;
    case Direction::kDown:
      if (ed.pen.cursor_row < R - 1) {
        ++ed.doc.line_counter;
        ++ed.pen.cursor_row;
        return MoveResult::kMoved;
      }
      if (!ScrollDown(ed)) return MoveResult::kRefused;
      ++ed.doc.line_counter;
      ed.undo.Clear();
      return MoveResult::kMoved;
    case Direction::kLeft:
      if (ed.pen.cursor_col > 1) {
        --ed.pen.cursor_col;
        return MoveResult::kMoved;
      }
      ed.Beep();
      return MoveResult::kRefused;
    case Direction::kRight:
      if (ed.pen.cursor_col < ed.cols()) {
        ++ed.pen.cursor_col;
        return MoveResult::kMoved;
      }
      ed.Beep();
      return MoveResult::kRefused;
  }
  return MoveResult::kRefused;
}

}  // namespace tessella::core
