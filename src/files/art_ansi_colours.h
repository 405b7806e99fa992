#pragma once
// ANSI numbers its eight colours red-first (1 red, 4 blue), the PC attribute byte
// blue-first (1 blue, 4 red). The swap is its own inverse.
#include <array>
#include <cstdint>

namespace tessella::files {

inline constexpr std::array<std::uint8_t, 8> kAnsiPcColour = {0, 4, 2, 6, 1, 5, 3, 7};

}  // namespace tessella::files
