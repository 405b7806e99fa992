#pragma once
// The clipboard file: the last bytes handed to the clipboard, kept where the user can
// always find them, whatever desktop clipboard is (or is not) reachable.
#include <string>
#include <string_view>

namespace tessella::platform {

// Replaces the file with exactly these bytes. The bytes go to a temporary file in the
// same folder first and are renamed over the old one, so a reader never sees half a
// hand-off. Creates the folder when missing. Returns an empty string on success, else
// what went wrong.
std::string WriteClipboardFile(const std::string& path, std::string_view bytes);

}  // namespace tessella::platform
