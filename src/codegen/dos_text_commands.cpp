#include "codegen/dos_text_commands.h"

#include <string>

#include "codegen/area_capture.h"
#include "codegen/atom_code.h"
#include "codegen/dos_code.h"
#include "codegen/dos_dialog.h"
#include "codegen/label_box.h"
#include "codegen/launching_box.h"
#include "codegen/text_copy.h"
#include "codegen/user_control_code.h"
#include "codegen/xprint_code.h"
#include "core/clipboard.h"

namespace tessella::codegen {
namespace {

using core::Next;

// Hands the text over and leaves what every generator leaves: the buffer empty, the
// area no longer chosen, the typing colours, the cursor shown.
Next Finish(core::Editor& ed, const std::string& text) {
  core::HandToClipboard(ed, text);
  EndGenerator(ed);
  ed.console.SetCursorVisible(true);
  return Next::kBookkeeping;
}

// The text copies keep the buffer's width (and height) and drop only its image, so a
// Paste afterwards writes nothing.
Next FinishTextCopy(core::Editor& ed, const std::string& text) {
  core::HandToClipboard(ed, text);
  ed.selection.buffer.image.clear();
  ed.selection.Drop();
  ed.SetOutputColour();
  return Next::kBookkeeping;
}

UserControlAnswers AskUserControl(core::Editor& ed, bool with_label) {
  UserControlAnswers answers;
  if (with_label) answers.label = AskDataLabel(ed.modal());
  answers.include_launcher = AskLaunchingRoutine(ed.modal());
  answers.default_foreground = ed.pen.txcolor;
  answers.default_background = ed.pen.bgcolor;
  return answers;
}

}  // namespace

Next DosCode(core::Editor& ed, core::Event&) {
  // The buffer as it was before the capture read the area into it, for a run left
  // with Esc.
  const core::AreaBuffer buffer_before = ed.selection.buffer;
  const auto area = CaptureArea(ed);
  if (!area) return Next::kBookkeeping;
  const auto remembered = static_cast<DosBasic>(ed.generators.dos_basic);
  const std::optional<DosAnswers> answers = AskDosAnswers(ed.modal(), remembered);
  if (!answers) {
    // Left with Esc: nothing is handed over and nothing is remembered; the area is
    // dropped as Esc always drops it.
    ed.selection.buffer = buffer_before;
    ed.selection.Drop();
    ed.SetOutputColour();
    ed.console.SetCursorVisible(true);
    return Next::kBookkeeping;
  }
  ed.generators.dos_basic = static_cast<int>(DosBasicAfterRun(*answers));
  return Finish(ed, DosScreenCode(area->cells, area->place, *answers));
}

Next RegularTextCopy(core::Editor& ed, core::Event&) {
  const auto area = CaptureArea(ed);
  if (!area) return Next::kBookkeeping;
  return FinishTextCopy(ed, RegularText(area->cells));
}

Next TextWithLinesCopy(core::Editor& ed, core::Event&) {
  const auto area = CaptureArea(ed);
  if (!area) return Next::kBookkeeping;
  return FinishTextCopy(ed, TextWithLines(area->cells));
}

Next AtomCode(core::Editor& ed, core::Event&) {
  const auto area = CaptureArea(ed);
  if (!area) return Next::kBookkeeping;
  const bool include_loader = AskLaunchingRoutine(ed.modal());
  return Finish(ed, AtomScreenCode(area->cells, area->place, include_loader));
}

Next XprintCopy(core::Editor& ed, core::Event&) {
  const auto area = CaptureArea(ed);
  if (!area) return Next::kBookkeeping;
  return Finish(ed, XprintCode(area->cells));
}

Next GraphicPrintCopy(core::Editor& ed, core::Event&) {
  const auto area = CaptureArea(ed);
  if (!area) return Next::kBookkeeping;
  return Finish(ed, GraphicPrintCode(area->cells));
}

Next UserControlPbcc(core::Editor& ed, core::Event&) {
  const auto area = CaptureArea(ed);
  if (!area) return Next::kBookkeeping;
  const UserControlAnswers answers = AskUserControl(ed, false);
  return Finish(ed, UserControlPbccCode(area->cells, area->place, answers));
}

Next UserControlDos(core::Editor& ed, core::Event&) {
  const auto area = CaptureArea(ed);
  if (!area) return Next::kBookkeeping;
  const UserControlAnswers answers = AskUserControl(ed, true);
  return Finish(ed, UserControlDosCode(area->cells, area->place, answers));
}

}  // namespace tessella::codegen
