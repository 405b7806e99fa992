#include "platform/terminal_sgr.h"

namespace tessella::platform {

int AnsiColour(int c) {
  // Console order: black blue green cyan red magenta brown grey.
  static constexpr int kAnsi[8] = {0, 4, 2, 6, 1, 5, 3, 7};
  return kAnsi[c & 7] + (c & 8);
}

void AppendSgrColours(std::string& out, int attr, int from) {
  const int fg = attr & 15;
  const int bg = (attr >> 4) & 15;
  const bool fg_changed = from < 0 || (from & 15) != fg;
  const bool bg_changed = from < 0 || ((from >> 4) & 15) != bg;
  if (fg_changed) {
    const int a = AnsiColour(fg);
    out += std::to_string(a < 8 ? 30 + a : 90 + (a - 8));
  }
  if (bg_changed) {
    if (fg_changed) out += ';';
    const int a = AnsiColour(bg);
    out += std::to_string(a < 8 ? 40 + a : 100 + (a - 8));
  }
}

}  // namespace tessella::platform
