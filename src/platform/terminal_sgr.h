#pragma once
// Console colours as terminal SGR parameters. The console numbers colours 0-15 with
// blue as 1 and red as 4; ANSI numbers them the other way round, so the low three bits
// are mapped, and colours 8-15 use the bright codes (90-97, 100-107) so that all 16
// backgrounds differ without blink.
#include <string>

namespace tessella::platform {

// ANSI colour number (0-7 normal, 8-15 bright) of console colour c (0-15).
int AnsiColour(int c);

// Appends the SGR parameters (without "ESC [" and "m") that change the colours from
// attribute `from` to `attr`; from -1 gives both. Attributes are fg + 16 * bg.
void AppendSgrColours(std::string& out, int attr, int from);

}  // namespace tessella::platform
