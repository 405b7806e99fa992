#pragma once
// The file chooser of Open and Save, drawn in the console over what is there and taken
// away again. It lists the folder's sub-folders and the files of the chosen kind and
// reads a name: typed (the first printable key replaces the name shown, Backspace
// edits), or taken from the list with the mouse.
#include <optional>
#include <string>

#include "files/file_filters.h"
#include "ports/file_system.h"
#include "ui/modal.h"

namespace tessella::files {

struct ChooserRequest {
  ChooserMode mode = ChooserMode::kOpen;
  std::string title;  // shown on the chooser's first line
  std::string name;   // the name shown at first: the one the last chooser returned
};

// Keys: printable characters type the name, Backspace takes one back, Enter takes the
// name (a folder's name enters the folder), Esc cancels, Up and Down pick the kind of
// file listed, PgUp and PgDn scroll the list. Mouse: a click on a kind lists it, on a
// folder enters it, on a file puts its name in the field and a second click on the
// same file takes it; OK and Cancel. Open takes only names that exist.
//
// Returns the name as typed (or listed), prefixed by the folder it lies in when that
// is not the current folder: relative to the current folder when inside it, else from
// the root. An empty name (Enter on an empty field) is returned as it is; nothing when
// cancelled. The chooser reads every key it needs and leaves none behind.
std::optional<std::string> ChooseFile(const ui::Modal& ui, ports::FileSystem& files,
                                      const ChooserRequest& request);

}  // namespace tessella::files
