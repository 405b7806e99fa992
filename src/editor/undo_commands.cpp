// Undo and redo: the document goes back or forward a step and its page is shown.
#include <algorithm>

#include "core/page_numbers.h"
#include "editor/text_entry.h"

namespace tessella::editor {
namespace {

// Shows the page at the row the step put at the top. The line counter moves with that
// row (the cursor stays where it is), and a step from a shorter console is pulled back
// so the page ends inside the row store.
void ShowStep(core::Editor& ed, int current_before) {
  auto& doc = ed.doc;
  const int height = ed.rows() - 1;
  doc.store.current = std::min(doc.store.current, core::RowStore::LastPageStart(height));
  doc.line_counter = std::max(1, doc.line_counter + doc.store.current - current_before);
  doc.page_number = core::PageNumberOf(doc.line_counter, height);
  doc.store.LoadPage(ed.console);
}

}  // namespace

core::Next Undo(core::Editor& ed, core::Event&) {
  const int current = ed.doc.store.current;
  if (ed.undo.Undo(ed.console.Snapshot())) ShowStep(ed, current);
  return core::Next::kLoopTop;
}

core::Next Redo(core::Editor& ed, core::Event&) {
  const int current = ed.doc.store.current;
  if (ed.undo.Redo()) ShowStep(ed, current);
  return core::Next::kLoopTop;
}

}  // namespace tessella::editor
