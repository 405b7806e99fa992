#include "codegen/text_lines.h"

namespace tessella::codegen {

std::string NumberText(long long n) {
  std::string text = std::to_string(n);
  if (n >= 0) text.insert(text.begin(), ' ');
  return text;
}

Lines& Lines::Add(std::string_view line) {
  text_.append(line);
  text_.append(kLineEnd);
  return *this;
}

Lines& Lines::Add(std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) Add(line);
  return *this;
}

Lines& Lines::Raw(std::string_view text) {
  text_.append(text);
  return *this;
}

}  // namespace tessella::codegen
