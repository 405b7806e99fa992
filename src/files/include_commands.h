#pragma once
// Open and Save of include files (.INC, .BI), DATA sources (.BAS) and plain text: the
// kinds the dispatch of Open and Save routes here.
#include <string>

#include "core/editor.h"
#include "files/screen_files.h"

namespace tessella::files {

LoadOutcome OpenIncludeFile(core::Editor& ed, const std::string& path);
LoadOutcome OpenTextFile(core::Editor& ed, const std::string& path);

bool SaveIncludeFile(core::Editor& ed, const std::string& path, bool save_part);
bool SaveDataFile(core::Editor& ed, const std::string& path, bool save_part);
bool SaveTextFile(core::Editor& ed, const std::string& path, bool save_part);

}  // namespace tessella::files
