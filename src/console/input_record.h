#pragma once
// Console input records: what a front end delivers, before the program's key-string
// encoding and mouse-mode filter.
#include <cstdint>
#include <variant>

namespace tessella::console {

struct KeyRecord {
  std::uint8_t ch = 0;    // character byte, 0 when the key produced none
  std::uint8_t scan = 0;  // PC hardware scan code
  bool alt = false;       // Alt was held
  bool operator==(const KeyRecord&) const = default;
};

// Event kinds as the key string carries them.
enum class MouseEvent : std::uint8_t { kMoved = 1, kDoubleClick = 2, kButtonDown = 4, kButtonUp = 8 };

// Button bits: left 1, right 2, middle 4.
inline constexpr std::uint8_t kLeftButton = 1;
inline constexpr std::uint8_t kRightButton = 2;
inline constexpr std::uint8_t kMiddleButton = 4;

struct MouseRecord {
  int row = 1;  // 1-based console row
  int col = 1;  // 1-based console column
  std::uint8_t buttons = 0;  // for kButtonDown: the button that went down
  MouseEvent event = MouseEvent::kButtonDown;
  bool operator==(const MouseRecord&) const = default;
};

using InputRecord = std::variant<KeyRecord, MouseRecord>;

}  // namespace tessella::console
