#include "codegen/launcher_box.h"

#include "ui/dialog.h"

namespace tessella::codegen {

Launcher AskLauncher(const ui::Modal& ui) {
  namespace box = ui::launcher_choice;
  ui::ShowBox(ui, box::kPicture);
  switch (ui::AskOnce(ui, box::kPicture).button) {
    case box::kPbcc:
      return Launcher::kPbcc;
    case box::kAsm:
      return Launcher::kAsm;
    default:
      return Launcher::kNone;
  }
}

}  // namespace tessella::codegen
