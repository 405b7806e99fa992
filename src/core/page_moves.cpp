#include "core/page_moves.h"

namespace tessella::core {
namespace {

constexpr int kLastPageNumber = 999;
constexpr int kLastPageLine = 33966;
constexpr int kCommitLimit = 34000;

// The next page ends inside the row store. (On consoles taller than the default the
// page-number limit alone would let the page run past the store's last row.)
bool NextPageFits(const Editor& ed) {
  return ed.store.current + 2 * (ed.rows() - 1) - 1 <= RowStore::kLastIndex;
}

void PageForward(Editor& ed) {
  ed.line_counter += ed.rows() - 1;
  ed.store.StorePage(ed.console);
  ed.store.LoadPage(ed.console);
}

void PageBack(Editor& ed) {
  const int page = ed.rows() - 1;
  ed.store.StorePage(ed.console);
  if (ed.store.current > 2 * page - 1) {
    ed.store.current -= 2 * page;
  } else {
    ed.store.current = 0;
    ed.line_counter = 1;
  }
  ed.store.LoadPage(ed.console);
  ed.cursor_row = 1;
}

}  // namespace

Next PageDown(Editor& ed, Event&) {
  if (ed.page_number >= kLastPageNumber && ed.line_counter >= kLastPageLine) return Next::kLoopTop;
  if (!NextPageFits(ed)) return Next::kLoopTop;
  PageForward(ed);
  ed.SetOutputColour();
  ed.history.Clear();
  return Next::kBookkeeping;
}

Next PageUp(Editor& ed, Event&) {
  if (ed.store.current <= 0) return Next::kBookkeeping;
  ed.line_counter -= ed.rows() - 1;
  PageBack(ed);
  ed.SetOutputColour();
  ed.history.Clear();
  return Next::kBookkeeping;
}

void CommitPage(Editor& ed) {
  if (ed.line_counter < kCommitLimit && NextPageFits(ed)) {
    // One page forward and back again: the page on display goes into the store, and the
    // bookkeeping made one page on can count the page after it.
    PageForward(ed);
    Bookkeeping(ed, ed.previous_key);
    ed.line_counter -= ed.rows() - 1;
    PageBack(ed);
  } else {
    // At the end of the store there is no page to step to: store the page in place
    // rather than stepping back a page.
    const int start = ed.store.current;
    ed.store.StorePage(ed.console);
    ed.store.current = start;
    Bookkeeping(ed, ed.previous_key);
  }
  ed.SetOutputColour();
  Bookkeeping(ed, ed.previous_key);
}

void Bookkeeping(Editor& ed, int keynumber) {
  const int page = ed.rows() - 1;
  if (ed.line_counter > ed.highest_row) ed.highest_row = ed.line_counter;
  if (ed.highest_row < ed.store.current) ++ed.highest_row;
  if (page * ed.last_page_index < ed.line_counter) ++ed.last_page_index;
  if (ed.cursor_col < 1) ed.cursor_col = 1;
  ed.previous_key = keynumber;
  ed.page_number = page > 0 ? (ed.line_counter - 1) / page : 0;
}

}  // namespace tessella::core
