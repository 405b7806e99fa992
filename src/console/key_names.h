#pragma once
// The one table of the keyboard's named keys: the name replay scripts and the README
// use, the character the key delivers (0 for none) and its PC scan code. The key
// numbers (keys.h), the terminal's decoder and the replay parser all take their codes
// from here, and the letter keys' scan codes for the Alt rule come from LetterScanCode.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace tessella::keys {

struct NamedKey {
  std::string_view name;
  std::uint8_t ch;    // character delivered, 0 for none
  std::uint8_t scan;  // PC scan code
};

inline constexpr std::array kNamedKeys = {
    NamedKey{"Esc", 27, 0x01},       NamedKey{"Backspace", 8, 0x0E},
    NamedKey{"Tab", 9, 0x0F},        NamedKey{"Enter", 13, 0x1C},
    NamedKey{"Space", 32, 0x39},     NamedKey{"F1", 0, 0x3B},
    NamedKey{"F2", 0, 0x3C},         NamedKey{"F3", 0, 0x3D},
    NamedKey{"F4", 0, 0x3E},         NamedKey{"F5", 0, 0x3F},
    NamedKey{"F6", 0, 0x40},         NamedKey{"F7", 0, 0x41},
    NamedKey{"F8", 0, 0x42},         NamedKey{"F9", 0, 0x43},
    NamedKey{"F10", 0, 0x44},        NamedKey{"Home", 0, 0x47},
    NamedKey{"Up", 0, 0x48},         NamedKey{"PgUp", 0, 0x49},
    NamedKey{"Left", 0, 0x4B},       NamedKey{"Right", 0, 0x4D},
    NamedKey{"End", 0, 0x4F},        NamedKey{"Down", 0, 0x50},
    NamedKey{"PgDn", 0, 0x51},       NamedKey{"Ins", 0, 0x52},
    NamedKey{"Del", 0, 0x53},        NamedKey{"F11", 0, 0x57},
    NamedKey{"F12", 0, 0x58},
    // Shift-F10 on the PC keyboard. The Menu key, the keyboard's right click, gives the
    // same code: both open the menu bar.
    NamedKey{"Shift-F10", 0, 0x5D},  NamedKey{"Menu", 0, 0x5D},
};

// The scan code of a named key; a name not in the table does not compile where the
// call is evaluated at compile time.
constexpr std::uint8_t ScanOf(std::string_view name) {
  for (const NamedKey& key : kNamedKeys)
    if (key.name == name) return key.scan;
  throw std::invalid_argument("no key of that name");
}

// The named key, or nullptr.
constexpr const NamedKey* FindNamedKey(std::string_view name) {
  for (const NamedKey& key : kNamedKeys)
    if (key.name == name) return &key;
  return nullptr;
}

// Scan code of a letter key ('a'..'z' or 'A'..'Z'), 0 for anything else.
constexpr int LetterScanCode(char letter) {
  // Scan codes of the letter keys in alphabetical order.
  constexpr std::uint8_t kScan[26] = {
      0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
      0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
  if (letter >= 'a' && letter <= 'z') return kScan[letter - 'a'];
  if (letter >= 'A' && letter <= 'Z') return kScan[letter - 'A'];
  return 0;
}

}  // namespace tessella::keys
