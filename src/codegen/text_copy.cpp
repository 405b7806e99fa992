#include "codegen/text_copy.h"

#include "codegen/area_rows.h"
#include "codegen/text_lines.h"

namespace tessella::codegen {

std::string RegularText(const console::ScreenImage& area) {
  std::string text;
  for (char ch : AreaChars(area)) {
    if (ch == ' ' && !text.empty() && text.back() == ' ') continue;
    text += ch;
  }
  return text;
}

std::string TextWithLines(const console::ScreenImage& area) {
  const std::string chars = AreaChars(area);
  const size_t width = static_cast<size_t>(area.width());
  Lines out;
  for (size_t at = 0; at < chars.size(); at += width)
    out.Add(std::string_view(chars).substr(at, width));
  return out.Take();
}

}  // namespace tessella::codegen
