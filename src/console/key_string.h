#pragma once
// The key string: one input event as "" | one character | CHR$(0)+scan code |
// CHR$(255,255,event,button), and the key number made from it.
#include <optional>
#include <string>
#include <string_view>

#include "console/input_record.h"

namespace tessella::console {

// Mouse modes. Standard: buttons 1, 2 and 4, double click and button down. Tracking
// (only while an area is being chosen): buttons 1, 2 and 4, moved and button down.
enum class MouseMode { kStandard, kTracking };

// The key string of a key record, or nothing for records that deliver nothing
// (modifier keys alone). A letter key with Alt gives CHR$(0) + its scan code; any
// other key with a character gives that character.
std::optional<std::string> EncodeKey(const KeyRecord& key);

// The key string of a mouse record, or nothing when the mode does not enable it.
std::optional<std::string> EncodeMouse(const MouseRecord& mouse, MouseMode mode);

// CVI(key string + CHR$(0)): signed 16-bit little-endian of the first two bytes.
int KeyNumber(std::string_view key_string);

}  // namespace tessella::console
