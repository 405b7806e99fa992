#pragma once
// The commands of the code generators that write DOS code, plain text, Atom scripts,
// printing code and user control code from the chosen area, and hand it to the
// clipboard.
#include "core/command.h"

namespace tessella::codegen {

core::Next DosCode(core::Editor& ed, core::Event& ev);            // F7
core::Next RegularTextCopy(core::Editor& ed, core::Event& ev);    // F8
core::Next TextWithLinesCopy(core::Editor& ed, core::Event& ev);  // Alt-T
core::Next AtomCode(core::Editor& ed, core::Event& ev);           // Alt-A
core::Next XprintCopy(core::Editor& ed, core::Event& ev);         // Alt-J
core::Next GraphicPrintCopy(core::Editor& ed, core::Event& ev);   // Alt-L
core::Next UserControlPbcc(core::Editor& ed, core::Event& ev);    // Alt-R
core::Next UserControlDos(core::Editor& ed, core::Event& ev);     // Alt-P

}  // namespace tessella::codegen
