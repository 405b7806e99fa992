#pragma once
// A command of the main loop: one entry of the key table, run with the editor state and
// the event that selected it.
#include "core/editor.h"

namespace tessella::core {

// How a command ends: with the loop's bookkeeping step, or straight back at the top of
// the loop.
enum class Next { kBookkeeping, kLoopTop };

using Command = Next (*)(Editor&, Event&);

// Commands of later steps of building are entries that do nothing yet.
inline Next DoNothing(Editor&, Event&) { return Next::kBookkeeping; }

}  // namespace tessella::core
