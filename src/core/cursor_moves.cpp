// The cursor keys' movement and the one-row scrolls through the row store.
#include "core/cursor_moves.h"

namespace tessella::core {

bool ScrollDown(Editor& ed) {
  const int R = ed.rows();
  // The row entering at the bottom must lie inside the row store.
  if (ed.store.current + R - 1 > RowStore::kLastIndex) return false;
  ed.store.StorePage(ed.console);
  ed.store.current -= R - 2;
  ed.store.LoadPage(ed.console);
  return true;
}

bool ScrollUp(Editor& ed) {
  if (ed.store.current <= 0) return false;
  ed.store.StorePage(ed.console);
  ed.store.current -= ed.rows();
  ed.store.LoadPage(ed.console);
  return true;
}

MoveResult MoveCursor(Editor& ed, Direction d) {
  const int R = ed.rows();
  switch (d) {
    case Direction::kUp:
      if (ed.line_counter != 1) --ed.line_counter;
      if (ed.cursor_row > 1) {
        --ed.cursor_row;
        return MoveResult::kMoved;
      }
      if (!ScrollUp(ed)) return MoveResult::kRefused;
      ed.history.Clear();
      return MoveResult::kMoved;
    case Direction::kDown:
      if (ed.cursor_row < R - 1) {
        ++ed.line_counter;
        ++ed.cursor_row;
        return MoveResult::kMoved;
      }
      if (!ScrollDown(ed)) return MoveResult::kRefused;
      ++ed.line_counter;
      ed.history.Clear();
      return MoveResult::kMoved;
    case Direction::kLeft:
      if (ed.cursor_col > 1) {
        --ed.cursor_col;
        return MoveResult::kMoved;
      }
      ed.Beep();
      return MoveResult::kRefused;
    case Direction::kRight:
      if (ed.cursor_col < ed.cols()) {
        ++ed.cursor_col;
        return MoveResult::kMoved;
      }
      ed.Beep();
      return MoveResult::kRefused;
  }
  return MoveResult::kRefused;
}

}  // namespace tessella::core
