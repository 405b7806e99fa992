#include "codegen/dos_dialog.h"

#include "codegen/label_box.h"
#include "console/keys.h"
#include "ui/dialog.h"

namespace tessella::codegen {
namespace {

namespace box = ui::dos_choices;

constexpr int kPickBasicMs = 3000;
constexpr int kLabelBackground = 8;

int ButtonOf(DosBasic basic) {
  switch (basic) {
    case DosBasic::kPB:
      return box::kPb;
    case DosBasic::kQB:
      return box::kQb;
    case DosBasic::kGW:
      return box::kGw;
    case DosBasic::kNone:
      break;
  }
  return -1;
}

void TellToPickABasic(const ui::Modal& ui) {
  const console::RecordImage under = ui.console.Snapshot();
  ui::ShowBox(ui, ui::PictureId::kPickBasic);
  ui.Pause(kPickBasicMs);
  ui.console.Restore(under);
}

// The label is typed over an emptied field, on dark grey in the current foreground.
std::string ReadLabel(const ui::Modal& ui) {
  namespace entry = ui::label_entry;
  auto& con = ui.console;
  con.SetColor(con.color() & 15, kLabelBackground);
  ui::ShowBox(ui, entry::kPicture);
  return ui::ReadField(ui, entry::kPicture, entry::kLabelField, kDataLabelMaxLength);
}

}  // namespace

std::optional<DosAnswers> AskDosAnswers(const ui::Modal& ui, DosBasic remembered) {
  const console::RecordImage under = ui.console.Snapshot();
  ui::ShowBox(ui, box::kPicture);
  ui::LightButton(ui, box::kPicture, ButtonOf(remembered));

  DosAnswers answers;
  answers.basic = remembered;
  std::optional<DosAnswers> result;
  while (!result) {
    const ui::DialogAnswer answer = ui::AskOnce(ui, box::kPicture);
    if (answer.event.keynumber == keys::kEsc) break;
    switch (answer.button) {
      case box::kYes:
        answers.include_launcher = true;
        break;
      case box::kNo:
        answers.include_launcher = false;
        break;
      case box::kPb:
        answers.basic = DosBasic::kPB;
        break;
      case box::kQb:
        answers.basic = DosBasic::kQB;
        break;
      case box::kGw:
        answers.basic = DosBasic::kGW;
        break;
      case box::kLabel:
        if (answers.basic == DosBasic::kNone) {
          TellToPickABasic(ui);
        } else {
          answers.label = ReadLabel(ui);
          result = answers;
        }
        break;
      default:
        break;
    }
  }
  ui.console.SetCursorVisible(false);
  ui.console.Restore(under);
  return result;
}

}  // namespace tessella::codegen
