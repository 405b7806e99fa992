#include "codegen/launching_box.h"

#include "ui/dialog.h"

namespace tessella::codegen {

bool AskLaunchingRoutine(const ui::Modal& ui) {
  namespace box = ui::launching;
  ui.console.SetCursorVisible(false);
  const console::RecordImage under = ui.console.Snapshot();
  ui::ShowBox(ui, box::kPicture);
  const bool yes = ui::AskOnce(ui, box::kPicture).button == box::kYes;
  ui.console.Restore(under);
  return yes;
}

}  // namespace tessella::codegen
