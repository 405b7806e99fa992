#include "editor/menus.h"

namespace tessella::editor {

// Stand-in until the menu bar lands: nothing is chosen.
int RunMenu(Editor&) { return 0; }

}  // namespace tessella::editor
