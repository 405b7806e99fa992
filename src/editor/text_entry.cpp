#include "editor/text_entry.h"

namespace tessella::editor {


Next Type(Editor& ed, Event&) {
  if (ed.cursor_col < 1) ed.cursor_col = 1;
  ++ed.cursor_col;
  return Next::kBookkeeping;
}
Next Backspace(Editor&, Event&) { return Next::kBookkeeping; }
Next EnterKey(Editor&, Event&) { return Next::kBookkeeping; }
Next DeleteKey(Editor&, Event&) { return Next::kBookkeeping; }
Next Home(Editor&, Event&) { return Next::kBookkeeping; }
Next End(Editor&, Event&) { return Next::kBookkeeping; }
Next MarginOn(Editor&, Event&) { return Next::kLoopTop; }
Next MarginOff(Editor&, Event&) { return Next::kBookkeeping; }
Next NextTextColour(Editor&, Event&) { return Next::kBookkeeping; }
Next NextBackColour(Editor&, Event&) { return Next::kBookkeeping; }
Next ClearConsole(Editor&, Event&) { return Next::kLoopTop; }
Next ResetConsoleSize(Editor&, Event&) { return Next::kLoopTop; }
Next Undo(Editor&, Event&) { return Next::kLoopTop; }
Next Redo(Editor&, Event&) { return Next::kLoopTop; }

}  // namespace tessella::editor
