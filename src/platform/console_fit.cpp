#include "platform/console_fit.h"

#include <algorithm>

namespace tessella::platform {

using console::MouseEvent;
using console::MouseRecord;

std::optional<console::InputRecord> FitToConsole(const console::InputRecord& record, int rows,
                                                 int cols) {
  const auto* mouse = std::get_if<MouseRecord>(&record);
  if (mouse == nullptr) return record;
  if (rows < 1 || cols < 1) return std::nullopt;
  if (mouse->event != MouseEvent::kMoved) {
    if (mouse->row > rows || mouse->col > cols) return std::nullopt;
    return record;
  }
  MouseRecord held = *mouse;
  held.row = std::min(held.row, rows);
  held.col = std::min(held.col, cols);
  return held;
}

}  // namespace tessella::platform
