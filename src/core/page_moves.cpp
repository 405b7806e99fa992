#include "core/page_moves.h"

#include <algorithm>

#include "core/page_numbers.h"

namespace tessella::core {
namespace {

constexpr int kLastPageNumber = 999;
constexpr int kLastPageLine = 33966;
constexpr int kCommitLimit = 34000;

// The next page ends inside the row store. (On consoles taller than the default the
// page-number limit alone would let the page run past the store's last row.)
bool NextPageFits(const Editor& ed) {
  return ed.doc.store.current + 2 * (ed.rows() - 1) - 1 <= RowStore::kLastIndex;
}

void PageForward(Editor& ed) {
  ed.doc.line_counter += ed.rows() - 1;
  ed.doc.store.StorePage(ed.console);
  ed.doc.store.LoadPage(ed.console);
}

void PageBack(Editor& ed) {
  const int page = ed.rows() - 1;
  ed.doc.store.StorePage(ed.console);
  if (ed.doc.store.current > 2 * page - 1) {
    ed.doc.store.current -= 2 * page;
  } else {
    ed.doc.store.current = 0;
    ed.doc.line_counter = 1;
  }
  ed.doc.store.LoadPage(ed.console);
  ed.pen.cursor_row = 1;
}

}  // namespace

Next PageDown(Editor& ed, Event&) {
  if (ed.doc.page_number >= kLastPageNumber && ed.doc.line_counter >= kLastPageLine) return Next::kLoopTop;
  if (!NextPageFits(ed)) return Next::kLoopTop;
  PageForward(ed);
  ed.SetOutputColour();
  ed.undo.Clear();
  return Next::kBookkeeping;
}

Next PageUp(Editor& ed, Event&) {
  if (ed.doc.store.current <= 0) return Next::kBookkeeping;
  // The line counter never drops below the first line (Home or End then Up can leave
  // it less than a page above the top).
  ed.doc.line_counter = std::max(1, ed.doc.line_counter - (ed.rows() - 1));
  PageBack(ed);
  ed.SetOutputColour();
  ed.undo.Clear();
  return Next::kBookkeeping;
}

void CommitPage(Editor& ed) {
  if (ed.doc.line_counter < kCommitLimit && NextPageFits(ed)) {
    // One page forward and back again: the page on display goes into the store, and the
    // bookkeeping made one page on can count the page after it.
    PageForward(ed);
    Bookkeeping(ed, ed.loop.previous_key);
    ed.doc.line_counter -= ed.rows() - 1;
    PageBack(ed);
  } else {
    // At the end of the store there is no page to step to: store the page in place
    // rather than stepping back a page.
    const int start = ed.doc.store.current;
    ed.doc.store.StorePage(ed.console);
    ed.doc.store.current = start;
    Bookkeeping(ed, ed.loop.previous_key);
  }
  ed.SetOutputColour();
  Bookkeeping(ed, ed.loop.previous_key);
}

void Bookkeeping(Editor& ed, int keynumber) {
  const int page = ed.rows() - 1;
  if (ed.doc.line_counter > ed.doc.highest_row) ed.doc.highest_row = ed.doc.line_counter;
  if (ed.doc.highest_row < ed.doc.store.current) ++ed.doc.highest_row;
  if (page * ed.doc.last_page_index < ed.doc.line_counter) ++ed.doc.last_page_index;
  if (ed.pen.cursor_col < 1) ed.pen.cursor_col = 1;
  ed.loop.previous_key = keynumber;
  ed.doc.page_number = PageNumberOf(ed.doc.line_counter, page);
}

}  // namespace tessella::core
