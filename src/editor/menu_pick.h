#pragma once
// One mouse choice inside a drop-down opened by a click on its title.
#include "console/input.h"
#include "ui/modal.h"

namespace tessella::editor::menu {

struct Pick {
  bool chosen = false;  // an item row was clicked; otherwise the drop-down was closed
  int k = 0;            // the item of that row
  console::Event event;  // what was read, for the caller to look at a close
};

// Reads one event. A click in menu m's span on an item row chooses that row's item
// (rows below the last item give item numbers the menu has no command for); anything
// else closes the drop-down, leaving the bar up.
Pick PickItem(const ui::Modal& ui, int m);

}  // namespace tessella::editor::menu
