// Typing in strikeover mode, Backspace, Home and End.
#include <algorithm>
#include <string_view>

#include "core/cursor_moves.h"
#include "editor/text_entry.h"

namespace tessella::editor {
namespace {

// Writes the key string's bytes as cells from the cursor in the typing colours, one
// cell per byte, running on to the next row at the right edge. Bytes that would reach
// the toolbar line are not written: typing never touches it.
void WriteKeyString(core::Editor& ed, std::string_view key) {
  const int R = ed.rows();
  const int C = ed.cols();
  const long room = static_cast<long>(R - 1 - ed.pen.cursor_row) * C + (C - ed.pen.cursor_col + 1);
  if (room <= 0 || key.empty()) return;
  ed.SetOutputColour();
  ed.console.Locate(ed.pen.cursor_row, ed.pen.cursor_col);
  ed.console.Print(key.substr(0, std::min<size_t>(key.size(), static_cast<size_t>(room))));
}

}  // namespace

core::Next Type(core::Editor& ed, core::Event& ev) {
  auto& con = ed.console;
  const int R = ed.rows();
  const int C = ed.cols();
  con.SetCursorVisible(true);
  if (ed.pen.cursor_col < 1) ed.pen.cursor_col = 1;
  con.Locate(ed.pen.cursor_row, ed.pen.cursor_col);
  con.Restore(ed.loop.before);
  // An empty key string (the menus left without a choice) writes nothing and leaves
  // the cursor where it was.
  if (ev.key.empty()) return core::Next::kBookkeeping;
  WriteKeyString(ed, ev.key);

  if (ed.pen.cursor_row == R - 1 && ed.pen.cursor_col == C) {
    // The last cell of the work screen: the page moves up one row under the cursor.
    // When the document has no row beyond, the typed cell stays where it is and the
    // cursor stays on it.
    if (!ScrollDown(ed)) {
      ed.Beep();
      return core::Next::kBookkeeping;
    }
    ++ed.doc.line_counter;
    ed.pen.cursor_col = 0;
  } else if (ed.pen.cursor_col >= C) {
    ed.pen.cursor_col = 0;
    ++ed.pen.cursor_row;
  }
  ++ed.pen.cursor_col;
  return core::Next::kBookkeeping;
}

core::Next Backspace(core::Editor& ed, core::Event&) {
  ed.SetOutputColour();
  ed.console.Locate(ed.pen.cursor_row, ed.pen.cursor_col);
  ed.console.Print(" ");
  if (ed.pen.cursor_col > 1) {
    --ed.pen.cursor_col;
  } else {
    ed.Beep();
  }
  return core::Next::kBookkeeping;
}

core::Next Home(core::Editor& ed, core::Event&) {
  ed.pen.cursor_row = 1;
  ed.pen.cursor_col = 1;
  return core::Next::kBookkeeping;
}

core::Next End(core::Editor& ed, core::Event&) {
  ed.pen.cursor_row = ed.rows() - 1;
  ed.pen.cursor_col = ed.cols();
  return core::Next::kBookkeeping;
}

}  // namespace tessella::editor
