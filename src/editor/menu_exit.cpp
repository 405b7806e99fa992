#include "editor/menu_exit.h"

#include "console/input.h"
#include "ui/catalogue.h"

namespace tessella::editor::menu {
namespace {

constexpr int kLitButtonMs = 500;

// Where a click means YES: the YES button of the box, its face and its shadow.
constexpr int kYesLeft = 5;
constexpr int kYesRight = 11;
constexpr int kYesTop = 21;
constexpr int kYesBottom = 23;

bool SaysYes(const console::KeyEvent& ev) {
  if (ev.key == "y" || ev.key == "Y") return true;
  const bool clicked = ev.lft || ev.rgt;
  return clicked && ev.col >= kYesLeft && ev.col <= kYesRight && ev.row >= kYesTop &&
         ev.row <= kYesBottom;
}

}  // namespace

bool ConfirmExit(const ui::Modal& ui) {
  ui::DrawPicture(ui.console, "exit_box");
  const bool yes = SaysYes(console::GetKey(ui.input));
  ui::DrawPicture(ui.console, yes ? "exit_yes_lit" : "exit_no_lit");
  ui.Pause(kLitButtonMs);
  return yes;
}

}  // namespace tessella::editor::menu
