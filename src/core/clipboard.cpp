#include "core/clipboard.h"

#include <exception>

namespace tessella::core {

void HandToClipboard(Editor& ed, std::string_view text) {
  try {
    ed.host.SetClipboard(text);
  } catch (const std::exception&) {
    // Nothing reached the clipboard; there is no message for that.
  }
}

}  // namespace tessella::core
