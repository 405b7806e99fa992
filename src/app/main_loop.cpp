#include "app/main_loop.h"

#include <exception>

#include "console/keys.h"
#include "app/get_event.h"
#include "app/key_table.h"
#include "app/menu_table.h"
#include "editor/menus.h"
#include "core/page_moves.h"
#include "app/startup.h"
#include "editor/text_entry.h"
#include "app/toolbar.h"
#include "app/toolbar_table.h"
#include "ui/message_box.h"

namespace tessella::app {
namespace {

// A right click above the toolbar line: the menus choose a command code, which becomes
// the event's key number.
void RunMenuClick(core::Editor& ed, core::Event& ev) {
  auto& con = ed.console;
  con.SetCursorVisible(false);
  ev.key.clear();
  const console::RecordImage under = con.Snapshot();
  const int code = editor::RunMenu(ed.modal());
  con.Restore(under);
  TranslateMenuCode(ed, ev, code);
  // The mouse position is moved off the toolbar so the toolbar table does not fire.
  // The cursor stays where it was: a command chosen here leaves it where the same
  // command given by its key does.
  ev.row = ed.pen.cursor_row;
  ev.col = ed.pen.cursor_col;
  ed.SetOutputColour();
}

// Output and display back on page 1, where the rest of the program draws, whatever page
// the abandoned command had left them on.
void BackToTheScreenPage(core::Editor& ed) {
  ed.console.SetOutputPage(1);
  ed.console.SetDisplayedPage(1);
}

}  // namespace

void RunPass(core::Editor& ed) {
  auto& con = ed.console;
  const int R = con.rows();

  DrawToolbar(ed);
  ed.SetOutputColour();
  con.Locate(ed.pen.cursor_row, ed.pen.cursor_col);
  ed.loop.previous_click_on_toolbar = ed.loop.last_event_was_toolbar_click;
  con.SetCursorVisible(false);
  ed.loop.before = con.Snapshot();

  core::Event ev = GetEvent(ed);
  ed.loop.last_event_was_toolbar_click = ev.lft && ev.row == R;

  if (ed.loop.undo_request) {
    ed.loop.undo_request = false;
    ed.undo.Push(ed.loop.before);
  }
  ed.SetOutputColour();
  con.SetCursorVisible(true);
  con.Locate(ed.pen.cursor_row, ed.pen.cursor_col);

  if (ev.rgt && ev.row < R) {
    RunMenuClick(ed, ev);
  } else if ((ev.rgt || ev.lft) && ev.row == R) {
    if (!RunToolbarClick(ed, ev)) return;
  } else if (ev.keynumber == keys::kMouse) {
    return;  // a middle click writes nothing into the design
  }

  const KeyEntry* entry = FindKey(ev.keynumber);
  const core::Next next = entry ? entry->command(ed, ev) : editor::Type(ed, ev);
  if (next == core::Next::kBookkeeping) Bookkeeping(ed, ev.keynumber);
}

void Run(core::Editor& ed) {
  StartUp(ed);
  for (;;) {
    ShowTitle(ed);
    try {
      for (;;) RunPass(ed);
    } catch (const ports::HostError&) {
      throw;
    } catch (const ports::UserError& e) {
      // The error trap, for failures that are the world's doing (a file that cannot be
      // read or written): the user is told, the command is abandoned, the design stays.
      BackToTheScreenPage(ed);
      ui::ShowMessage(ed.modal(), e.what());
    } catch (const std::exception& e) {
      // A fault of the program's own: the command is abandoned as well, the picture stays
      // as it is, and the loop goes on; the host reports it.
      BackToTheScreenPage(ed);
      ed.host.ReportInternalError(e.what());
    }
  }
}

}  // namespace tessella::app
