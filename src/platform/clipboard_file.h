#pragma once
// The clipboard file: the last bytes handed to the clipboard, kept where the user can
// always find them, whatever desktop clipboard is (or is not) reachable.
#include <string>
#include <string_view>

namespace tessella::platform {

// Replaces the file with exactly these bytes, through the atomic writer, so a reader
// never sees half a hand-off. What was copied may be private, so a new file is made
// readable by the user alone (0600) and an existing file keeps its mode. A missing
// folder is created for the user alone (0700); a folder that belongs to another user
// is refused, since its owner could swap the file under us. Returns an empty string
// on success, else what went wrong.
std::string WriteClipboardFile(const std::string& path, std::string_view bytes);

}  // namespace tessella::platform
