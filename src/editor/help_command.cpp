#include "editor/help_command.h"

#include "help/help_menu.h"

namespace tessella::editor {

Next Help(Editor& ed, Event&) {
  help::RunHelp(ed.console, ed.input);
  return Next::kBookkeeping;
}

}  // namespace tessella::editor
