#pragma once
// Paging through the row store: PgDn, PgUp and the commit page the file commands use.
#include "core/command.h"

namespace tessella::core {

Next PageDown(Editor& ed, Event& ev);
Next PageUp(Editor& ed, Event& ev);
// Writes the page on display into the row store and shows it again.
void CommitPage(Editor& ed);
// The bookkeeping step of the main loop.
void Bookkeeping(Editor& ed, int keynumber);

}  // namespace tessella::core
