#include "app/help_command.h"

#include "help/help_menu.h"

namespace tessella::app {

core::Next Help(core::Editor& ed, core::Event&) {
  help::RunHelp(ed.console, ed.input);
  return core::Next::kBookkeeping;
}

}  // namespace tessella::app
