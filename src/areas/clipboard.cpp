#include "areas/clipboard.h"

#include <exception>

namespace tessella::areas {

void HandToClipboard(editor::Editor& ed, std::string_view text) {
  try {
    ed.host.SetClipboard(text);
  } catch (const std::exception&) {
    // Nothing reached the clipboard; there is no message for that.
  }
}

}  // namespace tessella::areas
