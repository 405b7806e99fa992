#include "codegen/blank_nine.h"

namespace tessella::codegen {

console::ScreenImage ApplyBlankNine(console::ScreenImage image) {
  for (int r = 1; r <= image.height(); ++r)
    for (int c = 1; c <= image.width(); ++c)
      if (image.ch(r, c) == 32 && image.attr(r, c) == 9) image.Set(r, c, 32, 15);
  return image;
}

std::string ApplyBlankNineToChars(std::string chars) {
  for (size_t i = 0; i + 1 < chars.size(); ++i) {
    if (chars[i] == ' ' && chars[i + 1] == '\t') {
      chars[i + 1] = '\x0F';
      ++i;  // the pair is used up
    }
  }
  return chars;
}

}  // namespace tessella::codegen
