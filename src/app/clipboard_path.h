#pragma once
// Where the terminal keeps the bytes of the last clipboard hand-off.
#include <string>

namespace tessella::app {

// $TESSELLA_CLIPBOARD when set, else $XDG_DATA_HOME/tessella/clipboard (with
// $XDG_DATA_HOME defaulting to ~/.local/share).
std::string ClipboardPath();

}  // namespace tessella::app
