#include "codegen/area_rows.h"

#include "codegen/blank_nine.h"

namespace tessella::codegen {

std::string AreaChars(const console::ScreenImage& area) {
  std::string chars;
  chars.reserve(static_cast<size_t>(area.width()) * static_cast<size_t>(area.height()));
  for (int r = 1; r <= area.height(); ++r)
    for (int c = 1; c <= area.width(); ++c) chars += static_cast<char>(area.ch(r, c));
  return chars;
}

std::vector<std::string> CharRowsWithBlankNine(const console::ScreenImage& area) {
  const std::string chars = ApplyBlankNineToChars(AreaChars(area));
  const size_t width = static_cast<size_t>(area.width());
  std::vector<std::string> rows;
  for (size_t at = 0; at < chars.size(); at += width) rows.push_back(chars.substr(at, width));
  return rows;
}

std::string Quoted(std::string_view bytes) {
  std::string text = "\"";
  text.append(bytes);
  text += '"';
  return text;
}

}  // namespace tessella::codegen
