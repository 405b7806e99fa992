#include "app/clipboard_path.h"

#include <cstdlib>

namespace tessella::app {

std::string ClipboardPath() {
  if (const char* explicit_path = std::getenv("TESSELLA_CLIPBOARD"); explicit_path && *explicit_path)
    return explicit_path;
  std::string base;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::string(home) + "/.local/share";
  } else {
    base = "/tmp";
  }
  return base + "/tessella/clipboard";
}

}  // namespace tessella::app
