#include "editor/menu_exit.h"

#include "ui/dialog.h"

namespace tessella::editor::menu {

bool ConfirmExit(const ui::Modal& ui) {
  ui::ShowBox(ui, ui::exit_box::kPicture);
  return ui::AskOnce(ui, ui::exit_box::kPicture).button == ui::exit_box::kYes;
}

}  // namespace tessella::editor::menu
