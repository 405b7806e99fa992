#pragma once
// The console screen code commands and the Mouse button that feeds their clickable-word
// handler: the generators' glue to the editor state.
#include "core/command.h"

namespace tessella::codegen {

// F6, "Copy PBCC Screen Code to ClipBoard": the area, the options box and the launcher
// box give the PBCC screen code, handed to the clipboard. A click beside both launcher
// buttons cancels: the clipboard and the marked words stay as they were. Either way the
// console is put back, the area buffer emptied and the area dropped.
core::Next CopyPbccScreenCode(core::Editor& ed, core::Event& ev);

// Alt-F, "Copy FreeBasic Screen to ClipBoard": the same with the FreeBasic region
// writer and no launcher box.
core::Next CopyFreeBasicScreen(core::Editor& ed, core::Event& ev);

// Alt-Y, the toolbar's Mouse button: the top row of the area becomes a clickable word.
// The area flashes and is read into the area buffer, where it stays; the area is
// dropped. Without an area the two-corner warning is shown and nothing is marked.
core::Next MarkClickableWord(core::Editor& ed, core::Event& ev);

}  // namespace tessella::codegen
