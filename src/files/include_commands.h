#pragma once
// Open and Save of include files (.INC, .BI), DATA sources (.BAS) and plain text: the
// kinds the dispatch of Open and Save routes here. Every file is written through the
// editor's file system (whole, or not at all); a write the disk refuses throws
// ports::FileError and leaves the old file, and any backup, whole.
#include <string>

#include "core/editor.h"
#include "files/screen_files.h"

namespace tessella::files {

// Edit Include: asks for a SUB name and shows that screen at its place on a cleared
// page, as the chosen area. A name the file does not hold (or whose place is not on the
// console) is told, and the page stays. The file's bytes become the backup.
LoadOutcome OpenIncludeFile(core::Editor& ed, const std::string& path);
// Text view: the file's lines from column 3, page after page from the page on display,
// as far as the document reaches.
LoadOutcome OpenTextFile(core::Editor& ed, const std::string& path);

// The chosen area as a screen SUB: .BI asks FreeBasic or QB first, then the SUB name
// box, then .INC asks PBCC or PBDOS. The old content goes to the .BAC backup, an earlier
// SUB of the same name is taken out, and a new file starts with the launcher.
bool SaveIncludeFile(core::Editor& ed, const std::string& path, bool save_part);
// The chosen area as DATA lines through the DOS code dialog, added after the file's
// last byte (a GW program with its launcher is a file of its own).
bool SaveDataFile(core::Editor& ed, const std::string& path, bool save_part);
// The characters of the pages (Save Part: as many as asked from the page on display).
bool SaveTextFile(core::Editor& ed, const std::string& path, bool save_part);

}  // namespace tessella::files
