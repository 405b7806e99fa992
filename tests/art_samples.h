#pragma once
// Pictures and helpers the text-art tests share.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "console/screen_image.h"

#if TESSELLA_TEST_PNG
#include <png.h>
#endif

namespace tessella::testing {

inline std::string ArtData(const std::string& relative) {
  std::ifstream in(std::filesystem::path(TESSELLA_SOURCE_DIR "/tests/data") / relative,
                   std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A picture that exercises the writers: every attribute byte, every character ANSI can
// carry, long runs (for XBin's compression), a row that fills the width exactly, rows
// of default blanks (colour 7 on 0) in the middle and at the end. With `text_only`,
// only colour 7 on 0 and characters 1-255, which plain text keeps.
inline console::ScreenImage SamplePicture(int width = 80, int height = 30, bool text_only = false) {
  console::ScreenImage image(width, height);
  std::uint32_t state = 12345;
  const auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return static_cast<std::uint8_t>(state >> 16);
  };
  for (int r = 1; r <= height; ++r) {
    if (r % 7 == 3 || r == height) continue;  // default blank rows
    const int used = r % 5 == 0 ? width : 1 + next() % width;  // full rows and ragged ones
    for (int c = 1; c <= used; ++c) {
      std::uint8_t ch = next(), attr = next();
      if (c > width / 2 && r % 2 == 0) ch = 0xB1, attr = static_cast<std::uint8_t>(r);  // runs
      if (ch == 9 || ch == 10 || ch == 13 || ch == 26 || ch == 27 || ch == 0) ch = 0xDB;
      if (c % 11 == 0) ch = ' ', attr = 7;  // default blanks inside a row
      image.Set(r, c, ch, text_only ? 7 : attr);
    }
  }
  return image;
}

struct Pixels {
  int width = 0;
  int height = 0;
  std::string rgb;  // 3 bytes a pixel, row by row
  bool operator==(const Pixels&) const = default;
};

#if TESSELLA_TEST_PNG
inline Pixels DecodePng(const std::string& png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  Pixels out;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return out;
  image.format = PNG_FORMAT_RGB;
  out.rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr)) return {};
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  return out;
}
#endif

}  // namespace tessella::testing
