#include "editor/help_command.h"

namespace tessella::editor {

// Until the help screens land, F1 does nothing.
Next Help(Editor&, Event&) { return Next::kBookkeeping; }

}  // namespace tessella::editor
