// Placeholders until include files, DATA sources and text are read and written: each
// says so and leaves the design as it is.
#include "files/include_commands.h"

#include "ui/message_box.h"

namespace tessella::files {

LoadOutcome OpenIncludeFile(core::Editor& ed, const std::string&) {
  ui::ShowMessage(ed.modal(), "Include files cannot be opened yet");
  return LoadOutcome::kRefused;
}

LoadOutcome OpenTextFile(core::Editor& ed, const std::string&) {
  ui::ShowMessage(ed.modal(), "Text files cannot be opened yet");
  return LoadOutcome::kRefused;
}

bool SaveIncludeFile(core::Editor& ed, const std::string&, bool) {
  ui::ShowMessage(ed.modal(), "Include files cannot be saved yet");
  return false;
}

bool SaveDataFile(core::Editor& ed, const std::string&, bool) {
  ui::ShowMessage(ed.modal(), "DATA sources cannot be saved yet");
  return false;
}

bool SaveTextFile(core::Editor& ed, const std::string&, bool) {
  ui::ShowMessage(ed.modal(), "Text files cannot be saved yet");
  return false;
}

}  // namespace tessella::files
