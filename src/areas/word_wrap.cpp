#include "areas/word_wrap.h"

namespace tessella::areas {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<std::string> WrapWords(std::string_view text, int width, int max_lines) {
  std::vector<std::string> lines;
  if (width < 1 || max_lines < 1) return lines;
  const auto w = static_cast<size_t>(width);
  std::string_view rest = TrimBlanks(text);
  while (static_cast<int>(lines.size()) < max_lines) {
    if (rest.size() <= w) {
      lines.emplace_back(rest);
      break;
    }
    // The last blank among the first width + 1 characters ends the line; with none, the
    // word is cut at the width. Either way the rest is shorter, so this ends.
    const size_t blank = rest.substr(0, w + 1).find_last_of(' ');
    const size_t cut = blank == std::string_view::npos ? w : blank;
    lines.emplace_back(TrimBlanks(rest.substr(0, cut)));
    rest = TrimBlanks(rest.substr(cut));
  }
  return lines;
}

}  // namespace tessella::areas
