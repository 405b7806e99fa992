#include "app/get_event.h"

#include <algorithm>

#include "areas/area_outline.h"
#include "console/key_string.h"
#include "console/keys.h"
#include "app/toolbar.h"

namespace tessella::app {
namespace {

using console::MouseMode;

int ButtonOf(const std::string& key) {
  return key.size() == 4 ? static_cast<unsigned char>(key[3]) : 0;
}

// Tab, Shift-F10 and the Menu key are the keyboard's right click above the toolbar
// line, at the cursor.
bool IsKeyboardRightClick(int keynumber) {
  return keynumber == keys::kTab || keynumber == keys::kShiftF10;
}

bool IsButtonDown(const std::string& key) {
  return key.size() >= 3 && static_cast<unsigned char>(key[2]) == 4;
}

// This wait's own memory of a choice: the first corner clicked and the last corner
// outlined, both 0 until a corner is clicked during this call.
struct Choice {
  int anchor_row = 0;
  int anchor_col = 0;
  int corner_row = 0;
  int corner_col = 0;
};

// A right click or a toolbar click confirms what was chosen during this wait.
void Confirm(core::Editor& ed, const Choice& choice) {
  ed.selection.area = core::AreaCorners{choice.anchor_row, choice.anchor_col, choice.corner_row, choice.corner_col};
  ed.selection.flag_first = ed.selection.area.r1;
  ed.selection.flag_last = ed.selection.area.r2;
}

// Follows the mouse from the first corner until the next button-down: the second
// corner. Keys pressed meanwhile are used up. The first look is at once, at the click
// itself: the clicked cell is outlined and kept as a one-cell area before anything else
// arrives, so a move away from it or a click on the toolbar line still leaves that area.
void ChooseSecondCorner(core::Editor& ed, const console::RecordImage& snapshot, Choice& choice) {
  auto& con = ed.console;
  const int R = con.rows();
  const int r1 = choice.anchor_row;
  const int c1 = choice.anchor_col;
  int last_row = 0;
  int last_col = 0;
  for (bool first_look = true;; first_look = false) {
    const std::string key = first_look ? std::string() : ed.input.Wait();
    const int m = ed.input.mouse_row();
    const int n = ed.input.mouse_col();
    ed.selection.area.r2 = m;
    ed.selection.area.c2 = n;
    if (m != last_row || n != last_col) {
      last_row = m;
      last_col = n;
      con.Restore(snapshot);
      if (m >= r1 - 1 && n >= c1) {
        if (m < R) {
          PaintLiveFields(ed);
          areas::DrawAreaOutline(con, r1, c1, m, n);
          choice.corner_row = std::max(m, r1);
          choice.corner_col = n;
        }
      } else if (n < c1 - 1) {
        // Two columns left of the first corner: the choice ends here, unconfirmed.
        ed.input.SetMouseMode(MouseMode::kStandard);
        ed.selection.Drop();
        return;
      }
    }
    if (IsButtonDown(key)) return;
  }
}

}  // namespace

core::Event GetEvent(core::Editor& ed) {
  auto& con = ed.console;
  const int R = con.rows();
  core::Event ev;
  const console::RecordImage snapshot = con.Snapshot();
  DrawToolbar(ed);
  Choice choice;
  for (;;) {
    ed.input.SetMouseMode(MouseMode::kStandard);
    PaintLiveFields(ed);
    con.SetCursorVisible(true);
    con.Locate(ed.pen.cursor_row, ed.pen.cursor_col);
    ev.key = ed.input.Wait();
    ev.row = ed.input.mouse_row();
    ev.col = ed.input.mouse_col();
    int button = ButtonOf(ev.key);
    if (button == 0 && IsKeyboardRightClick(console::KeyNumber(ev.key))) {
      // It opens the menus, and confirms the area chosen in this wait, as the click does.
      button = console::kRightButton;
      ev.row = std::min(ed.pen.cursor_row, R - 1);
      ev.col = ed.pen.cursor_col;
    }

    if (button != console::kLeftButton && button != console::kRightButton) {
      // A key (or a middle click): the choice, if any, stays unconfirmed.
      con.Restore(snapshot);
      ev.keynumber = console::KeyNumber(ev.key);
      ed.selection.area.r1 = choice.anchor_row;
      ed.selection.area.c1 = choice.anchor_col;
      return ev;
    }
    if (button == console::kRightButton || ev.row == R) {
      (button == console::kRightButton ? ev.rgt : ev.lft) = 1;
      ev.key.clear();
      con.Restore(snapshot);
      Confirm(ed, choice);
      return ev;
    }

    // A left click in the work area: the first corner of a new choice.
    con.Restore(snapshot);
    con.SetCursorVisible(false);
    ed.input.SetMouseMode(MouseMode::kTracking);
    ed.selection.area.r1 = ev.row;
    ed.selection.area.c1 = ev.col;
    ed.pen.cursor_row = ev.row;
    ed.pen.cursor_col = ev.col;
    ed.loop.undo_request = true;
    choice = Choice{ev.row, ev.col, 0, 0};
    con.SetColor(4, 7);
    ChooseSecondCorner(ed, snapshot, choice);
    ed.lines.pending = 0;
    ed.lines.mode = 0;
  }
}

}  // namespace tessella::app
