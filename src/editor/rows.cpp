// Enter and Del: a new line, or a row inserted into or deleted from the document.
#include <algorithm>

#include "core/cursor_moves.h"
#include "editor/text_entry.h"

namespace tessella::editor {
namespace {

void PushBefore(core::Editor& ed) { ed.undo.Push(ed.loop.before); }

// The page on display goes into the row store in place; returns the row-store index of
// the cursor's row. RowStore::Insert and Remove refuse indexes outside the store, so a
// cursor row past its end changes nothing there.
int StorePageInPlace(core::Editor& ed) {
  const int start = ed.doc.store.current;
  ed.doc.store.StorePage(ed.console);
  ed.doc.store.current = start;
  return start + ed.pen.cursor_row - 1;
}

// An inserted row moved every row below it one on. Should that take a row with
// something in it past the pages counted for saving, one more page is counted, so a
// save still writes it. (The rows past the counted pages were empty before: only the
// first of them can have received something.)
void CountTheRowMovedOn(core::Editor& ed) {
  auto& doc = ed.doc;
  const int first_uncounted = (doc.last_page_index + 1) * (ed.rows() - 1);
  if (first_uncounted <= core::RowStore::kLastIndex && !doc.store.row(first_uncounted).empty())
    ++doc.last_page_index;
}

}  // namespace

core::Next EnterKey(core::Editor& ed, core::Event&) {
  PushBefore(ed);
  ed.selection.Drop();

  if (ed.pen.cursor_col == 1) {
    // Insert a row: the cursor's row shows twice and the page's last row moves on to
    // the next page.
    const int index = StorePageInPlace(ed);
    ed.doc.store.Insert(index, ed.console.ReadRegion(ed.pen.cursor_row, 1, ed.pen.cursor_row, ed.cols()));
    CountTheRowMovedOn(ed);
    ed.doc.store.LoadPage(ed.console);
    return core::Next::kLoopTop;
  }

  const int R = ed.rows();
  ed.pen.cursor_col = std::clamp(ed.pen.left_margin, 1, ed.cols());
  ++ed.pen.cursor_row;
  ed.lines.pending = 0;
  ed.lines.mode = 0;
  if (ed.pen.cursor_row > R - 1) {
    ed.pen.cursor_row = R - 1;
    // At the end of the document there is no row to scroll in: the cursor stays on
    // the last row and the line it is on does not change.
    if (!ScrollDown(ed)) {
      ed.Beep();
      return core::Next::kBookkeeping;
    }
  }
  ++ed.doc.line_counter;
  return core::Next::kBookkeeping;
}

core::Next DeleteKey(core::Editor& ed, core::Event&) {
  if (ed.pen.cursor_col != 1) return core::Next::kBookkeeping;
  PushBefore(ed);
  ed.doc.store.Remove(StorePageInPlace(ed));
  ed.doc.store.LoadPage(ed.console);
  return core::Next::kLoopTop;
}

}  // namespace tessella::editor
