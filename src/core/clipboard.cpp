#include "core/clipboard.h"

#include <exception>
#include <string>

#include "ui/message_box.h"

namespace tessella::core {

void HandToClipboard(Editor& ed, std::string_view text) {
  try {
    ed.host.SetClipboard(text);
  } catch (const std::exception& e) {
    // The command carries on (what it made is on the screen as before), but the user
    // must not believe the text is waiting to be pasted.
    ui::ShowMessage(ed.modal(), std::string("Not on the clipboard: ") + e.what());
  }
}

}  // namespace tessella::core
