#pragma once
// The one way the program writes a file. A reader, or a crash at any moment, sees
// either the old file whole or the new one whole, never a mixture, and the write
// cannot be turned onto another file:
//
// - the bytes go to a temporary file created exclusively (O_CREAT | O_EXCL, so a
//   name someone planted, symlink or not, is never opened) in the target's folder;
// - they are written in full and flushed to the disk (fsync);
// - the temporary file takes the mode of the file it replaces, or new_file_mode
//   when there is none (applied as given: the umask does not narrow it);
// - it is renamed over the target, and the folder is flushed so the rename lasts.
//
// On any failure the temporary file is removed and the old file is left as it was. A
// SIGHUP, SIGINT, SIGQUIT or SIGTERM that comes meanwhile waits until the write is done
// or undone, so that no temporary file outlives the program.
// The folder is opened once and every step works relative to it, so a folder
// renamed or swapped meanwhile cannot send a step elsewhere.
#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tessella::platform {

// Gives the name to try for the temporary file on each attempt (0, 1, ...); a name
// that exists already is passed over. The default gives random names.
using TemporaryNames = std::function<std::string(int attempt)>;

// What the user's umask allows of rw-rw-rw-: the mode a new file gets, as any editor's
// would.
mode_t DefaultNewFileMode();

// Replaces (or creates) the file at path with exactly these bytes. Returns an empty
// string on success, else a sentence for the user naming the file and the reason.
// The folder must exist.
[[nodiscard]] std::string WriteFileAtomically(const std::filesystem::path& path,
                                              std::string_view bytes, mode_t new_file_mode,
                                              const TemporaryNames& names = {});

}  // namespace tessella::platform
