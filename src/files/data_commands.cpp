// .BAS DATA sources: the chosen area as the DOS code dialog would copy it, collected
// screen after screen in one file.
#include "codegen/dos_code.h"
#include "codegen/dos_dialog.h"
#include "files/chosen_area.h"
#include "files/include_commands.h"

namespace tessella::files {
namespace {

// A file of at most one byte is written from its start; a GW program with its numbered
// launcher is always a file of its own; every other block goes after the last byte.
std::string DataFileContent(std::string_view old, std::string_view block, bool own_file) {
  std::string content;
  if (!own_file && old.size() > 1) content = old;
  content += block;
  return content;
}

}  // namespace

bool SaveDataFile(core::Editor& ed, const std::string& path, bool) {
  const std::optional<ChosenCells> area = ReadChosenCells(ed);
  if (!area) return false;
  const auto remembered = static_cast<codegen::DosBasic>(ed.generators.dos_basic);
  const std::optional<codegen::DosAnswers> answers = codegen::AskDosAnswers(ed.modal(), remembered);
  if (!answers) return false;  // Esc: nothing written

  const bool own_file = answers->basic == codegen::DosBasic::kGW && answers->include_launcher;
  const std::string old = !own_file && ed.files.Exists(path) ? ed.files.Read(path) : std::string();
  const std::string block = codegen::DosScreenCode(area->cells, area->place, *answers);
  ed.files.Write(path, DataFileContent(old, block, own_file));
  ed.generators.dos_basic = static_cast<int>(codegen::DosBasicAfterRun(*answers));
  ed.selection.Drop();
  return true;
}

}  // namespace tessella::files
