#include "codegen/console_family_commands.h"

#include <optional>
#include <string>
#include <utility>

#include "codegen/area_capture.h"
#include "codegen/clickable_words.h"
#include "codegen/code_options_box.h"
#include "codegen/freebasic_code.h"
#include "codegen/launcher_box.h"
#include "codegen/pbcc_code.h"
#include "core/clipboard.h"

namespace tessella::codegen {
namespace {

ClickableWords WordsOf(const core::GeneratorMemory& memory) {
  return ClickableWords{memory.if_list, memory.case_list};
}

void Keep(core::GeneratorMemory& memory, ClickableWords words) {
  memory.if_list = std::move(words.if_list);
  memory.case_list = std::move(words.case_list);
}

// Hands over the text, if there is one, and leaves what every generator leaves: the
// console as it was before the boxes, the area buffer empty, the area dropped.
core::Next Finish(core::Editor& ed, const console::RecordImage& under,
                  const std::optional<std::string>& text) {
  if (text) core::HandToClipboard(ed, *text);
  ed.console.Restore(under);
  EndGenerator(ed);
  return core::Next::kBookkeeping;
}

}  // namespace

core::Next CopyPbccScreenCode(core::Editor& ed, core::Event&) {
  const console::RecordImage under = ed.console.Snapshot();
  const std::optional<CapturedArea> area = CaptureArea(ed);
  if (!area) return core::Next::kBookkeeping;
  const CodeOption option = AskCodeOption(ed.modal());
  const Launcher launcher = AskLauncher(ed.modal());
  ClickableWords words = WordsOf(ed.generators);
  std::optional<std::string> text =
      PbccScreenCode(area->cells, area->place, option, launcher, words);
  Keep(ed.generators, std::move(words));
  return Finish(ed, under, text);
}

core::Next CopyFreeBasicScreen(core::Editor& ed, core::Event&) {
  const console::RecordImage under = ed.console.Snapshot();
  const std::optional<CapturedArea> area = CaptureArea(ed);
  if (!area) return core::Next::kBookkeeping;
  const CodeOption option = AskCodeOption(ed.modal());
  ClickableWords words = WordsOf(ed.generators);
  std::optional<std::string> text = FreeBasicScreenCode(area->cells, area->place, option, words);
  Keep(ed.generators, std::move(words));
  return Finish(ed, under, text);
}

core::Next MarkClickableWord(core::Editor& ed, core::Event&) {
  const console::RecordImage under = ed.console.Snapshot();
  const std::optional<CapturedArea> area = CaptureArea(ed);
  if (!area) return core::Next::kBookkeeping;
  ClickableWords words = WordsOf(ed.generators);
  MarkWord(words, TopRowChars(area->cells), area->place);
  Keep(ed.generators, std::move(words));
  ed.selection.Drop();
  ed.console.Restore(under);
  ed.SetOutputColour();
  return core::Next::kBookkeeping;
}

}  // namespace tessella::codegen
