#include "platform/clipboard_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"

namespace tessella::platform {
namespace {

constexpr mode_t kPrivateFile = 0600;
constexpr mode_t kPrivateFolder = 0700;

// Makes sure the folder exists and is the user's own. Returns what is wrong, if
// anything.
std::string PrepareFolder(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  struct stat st {};
  if (stat(folder.c_str(), &st) != 0) {
    if (errno != ENOENT) return "cannot use " + folder.string() + ": " + std::strerror(errno);
    std::error_code ec;
    if (folder.has_parent_path()) fs::create_directories(folder.parent_path(), ec);
    if (ec) return "cannot create " + folder.parent_path().string() + ": " + ec.message();
    if (mkdir(folder.c_str(), kPrivateFolder) != 0 && errno != EEXIST) {
      return "cannot create " + folder.string() + ": " + std::strerror(errno);
    }
    if (stat(folder.c_str(), &st) != 0) {
      return "cannot use " + folder.string() + ": " + std::strerror(errno);
    }
  }
  if (!S_ISDIR(st.st_mode)) return "cannot use " + folder.string() + ": not a folder";
  if (st.st_uid != geteuid()) {
    return "will not keep the clipboard in " + folder.string() +
           ": the folder belongs to another user";
  }
  return {};
}

}  // namespace

std::string WriteClipboardFile(const std::string& path, std::string_view bytes) {
  const std::filesystem::path target(path);
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  if (std::string problem = PrepareFolder(folder); !problem.empty()) return problem;
  return WriteFileAtomically(target, bytes, kPrivateFile);
}

}  // namespace tessella::platform
