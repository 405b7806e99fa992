#include "app/clipboard_path.h"

#include <unistd.h>

#include <cstdlib>

namespace tessella::app {
namespace {

const char* NonEmpty(const char* value) { return value != nullptr && *value != '\0' ? value : nullptr; }

}  // namespace

std::string ClipboardPath() {
  return ClipboardPath([](const char* name) { return std::getenv(name); }, geteuid());
}

std::string ClipboardPath(const std::function<const char*(const char*)>& getenv, unsigned uid) {
  if (const char* explicit_path = NonEmpty(getenv("TESSELLA_CLIPBOARD"))) return explicit_path;
  if (const char* xdg = NonEmpty(getenv("XDG_DATA_HOME"))) {
    return std::string(xdg) + "/tessella/clipboard";
  }
  if (const char* home = NonEmpty(getenv("HOME"))) {
    return std::string(home) + "/.local/share/tessella/clipboard";
  }
  // No home: the user's private runtime folder, or a folder of the user's own in /tmp
  // (the file is refused there should another user have made that folder first).
  if (const char* runtime = NonEmpty(getenv("XDG_RUNTIME_DIR"))) {
    return std::string(runtime) + "/tessella/clipboard";
  }
  return "/tmp/tessella-" + std::to_string(uid) + "/clipboard";
}

}  // namespace tessella::app
