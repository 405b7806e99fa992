#pragma once
// The clipboard hand-off: how generated code and edited text leave the program.
#include <string_view>

#include "core/editor.h"

namespace tessella::core {

// Replaces the clipboard's content with exactly these bytes (code page 437 as they
// stand, line ends as the caller wrote them). A clipboard that cannot be written is
// told in a message box, and the command that handed the text on carries on.
void HandToClipboard(Editor& ed, std::string_view text);

}  // namespace tessella::core
