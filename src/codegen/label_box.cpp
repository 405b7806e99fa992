#include "codegen/label_box.h"

#include "ui/dialog.h"

namespace tessella::codegen {
namespace {

constexpr int kTypingForeground = 15;
constexpr int kTypingBackground = 2;

}  // namespace

std::string AskDataLabel(const ui::Modal& ui) {
  namespace box = ui::name_sub;
  const console::RecordImage under = ui.console.Snapshot();
  ui::ShowBox(ui, box::kPicture);
  ui.console.SetColor(kTypingForeground, kTypingBackground);
  std::string label = ui::ReadField(ui, box::kPicture, box::kNameField, kDataLabelMaxLength);
  ui.console.Restore(under);
  return label;
}

}  // namespace tessella::codegen
