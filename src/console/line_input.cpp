#include "console/line_input.h"

#include <algorithm>
#include <cctype>

#include "console/keys.h"

namespace tessella::console {

std::string ReadLine(Console& con, Input& input, int row, int col, int max_length,
                     int echo_width) {
  // The echo stops at the field's end and the right edge; what is typed beyond them
  // still counts, so a prompt on a narrow console can still be answered in full.
  const int field = echo_width > 0 ? std::min(echo_width, max_length) : max_length;
  const int shown = std::max(0, std::min(field, con.cols() - col + 1));
  std::string line;
  con.SetCursorVisible(true);
  con.Locate(row, col);
  for (;;) {
    const Event ev = GetKey(input);
    if (ev.key.size() != 1) continue;  // clicks, and keys without a character
    const auto ch = static_cast<unsigned char>(ev.key[0]);
    if (ch == keys::kEnter) break;
    if (ch == keys::kBackspace) {
      if (line.empty()) continue;
      line.pop_back();
      const int at = static_cast<int>(line.size());
      if (at < shown) {
        con.Locate(row, col + at);
        con.Print(" ");
        con.Locate(row, col + at);
      }
    } else if (ch >= 32 && static_cast<int>(line.size()) < max_length) {
      line += static_cast<char>(ch);
      if (static_cast<int>(line.size()) <= shown) con.Print(ev.key);
    }
  }
  return line;
}

double Val(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  double sign = 1;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') sign = -1;
    ++i;
  }
  double value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    value = value * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      value += (text[i] - '0') * scale;
      scale /= 10;
    }
  }
  return sign * value;
}

}  // namespace tessella::console
