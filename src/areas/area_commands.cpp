#include "areas/area_commands.h"

namespace tessella::areas {

using editor::Next;

Next Copy(editor::Editor&, editor::Event&) { return Next::kBookkeeping; }
Next Cut(editor::Editor&, editor::Event&) { return Next::kBookkeeping; }
Next Paste(editor::Editor&, editor::Event&) { return Next::kBookkeeping; }
Next Colour(editor::Editor&, editor::Event&) { return Next::kBookkeeping; }
Next CopyWholeScreen(editor::Editor&, editor::Event&) { return Next::kBookkeeping; }

}  // namespace tessella::areas
