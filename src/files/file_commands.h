#pragma once
// Open and Save: the file chooser, the choice of a reader or writer by the file's name,
// and what the commands do around them.
#include <optional>
#include <string>

#include "core/command.h"

namespace tessella::files {

// Alt-O and File, Open: a file chosen in the chooser is read onto the page on display
// (and the pages after it). Cancelled, refused or failed, the console is as it was.
core::Next OpenFile(core::Editor& ed, core::Event& ev);

// Alt-S and File, Save / Save As / Save Part (the loop's save_as and save_part flags):
// Save writes the current file without asking when there is one; otherwise, and always
// for Save As and Save Part, the chooser asks. A write that fails leaves the old file
// whole and the design as it was, and the user is told.
core::Next SaveFile(core::Editor& ed, core::Event& ev);

// The SAUCE title of the text-art file being edited, which the console title shows;
// none when the current file is not text art or its record gives no title.
std::optional<std::string> ArtTitle(const core::Editor& ed);

}  // namespace tessella::files
