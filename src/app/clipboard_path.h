#pragma once
// Where the terminal keeps the bytes of the last clipboard hand-off.
#include <functional>
#include <string>

namespace tessella::app {

// $TESSELLA_CLIPBOARD when set, else $XDG_DATA_HOME/tessella/clipboard (with
// $XDG_DATA_HOME defaulting to ~/.local/share). Without a home folder:
// $XDG_RUNTIME_DIR/tessella/clipboard, else /tmp/tessella-UID/clipboard.
std::string ClipboardPath();
// The same from the given environment and user id.
std::string ClipboardPath(const std::function<const char*(const char*)>& getenv, unsigned uid);

}  // namespace tessella::app
