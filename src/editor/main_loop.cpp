#include "editor/main_loop.h"

#include <exception>

#include "console/keys.h"
#include "editor/get_event.h"
#include "editor/key_table.h"
#include "editor/menu_table.h"
#include "editor/menus.h"
#include "editor/page_moves.h"
#include "editor/startup.h"
#include "editor/text_entry.h"
#include "editor/toolbar.h"
#include "editor/toolbar_table.h"

namespace tessella::editor {
namespace {

// A right click above the toolbar line: the menus choose a command code, which becomes
// the event's key number.
void RunMenuClick(Editor& ed, Event& ev) {
  auto& con = ed.console;
  con.SetCursorVisible(false);
  ev.key.clear();
  const std::string under = con.Snapshot();
  const int code = RunMenu(ed);
  con.Restore(under);
  TranslateMenuCode(ed, ev, code);
  // The mouse position is moved off the toolbar so the toolbar table does not fire;
  // the typing path raises the column again when nothing was chosen.
  ev.row = ed.cursor_row;
  ev.col = ed.cursor_col;
  ed.SetOutputColour();
  --ed.cursor_col;
}

}  // namespace

void RunPass(Editor& ed) {
  auto& con = ed.console;
  const int R = con.rows();

  DrawToolbar(ed);
  ed.SetOutputColour();
  con.Locate(ed.cursor_row, ed.cursor_col);
  ed.previous_click_on_toolbar = ed.last_event_was_toolbar_click;
  con.SetCursorVisible(false);
  ed.before = con.Snapshot();

  Event ev = GetEvent(ed);
  ed.last_event_was_toolbar_click = ev.lft && ev.row == R;

  // Tab and Shift-F10 (the Menu key) are the keyboard's right click above the toolbar
  // line: they open the menus with the cursor's cell under the click.
  if (ev.keynumber == keys::kTab || ev.keynumber == keys::kShiftF10) {
    ev = Event{keys::kMouse, {}, 1, 0, ed.cursor_row, ed.cursor_col};
  }

  if (ed.undo_request) {
    ed.undo_request = false;
    ed.history.Push(ScreenPicture{R, con.cols(), ed.before});
  }
  ed.SetOutputColour();
  con.SetCursorVisible(true);
  con.Locate(ed.cursor_row, ed.cursor_col);

  if (ev.rgt && ev.row < R) {
    RunMenuClick(ed, ev);
  } else if ((ev.rgt || ev.lft) && ev.row == R) {
    if (!RunToolbarClick(ed, ev)) return;
  } else if (ev.keynumber == keys::kMouse) {
    return;  // a middle click writes nothing into the design
  }

  const KeyEntry* entry = FindKey(ev.keynumber);
  const Next next = entry ? entry->command(ed, ev) : Type(ed, ev);
  if (next == Next::kBookkeeping) Bookkeeping(ed, ev.keynumber);
}

void Run(Editor& ed) {
  StartUp(ed);
  for (;;) {
    ShowTitle(ed);
    try {
      for (;;) RunPass(ed);
    } catch (const platform::HostError&) {
      throw;
    } catch (const std::exception&) {
      // The error trap: the failed command is abandoned, the picture stays as it is,
      // and the loop goes on.
      ed.console.SetOutputPage(1);
      ed.console.SetDisplayedPage(1);
    }
  }
}

}  // namespace tessella::editor
