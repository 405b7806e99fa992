#include "console/key_string.h"

#include <cstdint>

#include "console/keys.h"

namespace tessella::console {
namespace {

bool IsLetterScan(int scan) {
  return (scan >= 0x10 && scan <= 0x19) || (scan >= 0x1E && scan <= 0x26) ||
         (scan >= 0x2C && scan <= 0x32);
}

// Shift, Ctrl, Alt, Caps Lock, Num Lock and Scroll Lock pressed alone.
bool IsModifierScan(int scan) {
  return scan == 0x2A || scan == 0x36 || scan == 0x1D || scan == 0x38 || scan == 0x3A ||
         scan == 0x45 || scan == 0x46;
}

}  // namespace

std::optional<std::string> EncodeKey(const KeyRecord& key) {
  if (key.ch != 0 && key.alt && IsLetterScan(key.scan)) {
    return std::string{'\0', static_cast<char>(key.scan)};
  }
  if (key.ch != 0) return std::string(1, static_cast<char>(key.ch));
  if (key.scan == 0 || IsModifierScan(key.scan)) return std::nullopt;
  return std::string{'\0', static_cast<char>(key.scan)};
}

std::optional<std::string> EncodeMouse(const MouseRecord& mouse, MouseMode mode) {
  constexpr std::uint8_t kButtonMask = 7;
  switch (mouse.event) {
    case MouseEvent::kMoved:
      if (mode != MouseMode::kTracking) return std::nullopt;
      break;
    case MouseEvent::kDoubleClick:
      if (mode != MouseMode::kStandard || (mouse.buttons & kButtonMask) == 0) return std::nullopt;
      break;
    case MouseEvent::kButtonDown:
      if ((mouse.buttons & kButtonMask) == 0) return std::nullopt;
      break;
    case MouseEvent::kButtonUp:
      return std::nullopt;
  }
  return std::string{'\xFF', '\xFF', static_cast<char>(mouse.event),
                     static_cast<char>(mouse.buttons)};
}

int KeyNumber(std::string_view key_string) {
  if (key_string.empty()) return 0;
  const auto lo = static_cast<std::uint8_t>(key_string[0]);
  const auto hi = key_string.size() > 1 ? static_cast<std::uint8_t>(key_string[1]) : 0;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

}  // namespace tessella::console
