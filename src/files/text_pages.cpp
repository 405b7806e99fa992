#include "files/text_pages.h"

#include <algorithm>

#include "console/screen_image.h"

namespace tessella::files {
namespace {

constexpr int kTabStop = 8;
constexpr char kDosEndOfFile = 0x1A;

std::string ExpandTabs(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  for (char c : line) {
    if (c != '\t') {
      out += c;
      continue;
    }
    do out += ' ';
    while (out.size() % kTabStop != 0);
  }
  return out;
}

}  // namespace

std::string EncodeTextPages(const RowAt& row_at, PageRange range, PageShape shape) {
  std::string out;
  if (range.pages <= 0 || shape.height <= 0 || shape.width <= 0) return out;
  const int rows = range.pages * shape.height;
  const size_t width = static_cast<size_t>(shape.width);
  out.reserve(static_cast<size_t>(rows) * (width + 2));
  for (int r = 0; r < rows; ++r) {
    const std::string_view row = row_at(range.first_row + r);
    const size_t held = std::min(width, row.size() / console::kRecordBytes);
    for (size_t c = 0; c < held; ++c) out += row[c * console::kRecordBytes];
    out.append(width - held, ' ');
    out += "\r\n";
  }
  return out;
}

TextRows ViewTextRows(std::string_view bytes, int width, int max_rows) {
  TextRows view;
  const size_t usable = static_cast<size_t>(std::max(width - 4, 1));
  const size_t limit = static_cast<size_t>(std::max(max_rows, 0));
  while (!bytes.empty() && bytes.back() == kDosEndOfFile) bytes.remove_suffix(1);

  size_t at = 0;
  while (at < bytes.size()) {
    const size_t stop = bytes.find_first_of("\r\n", at);
    const size_t end = stop == std::string_view::npos ? bytes.size() : stop;
    std::string line = ExpandTabs(bytes.substr(at, end - at));
    at = end;
    if (at < bytes.size()) at += bytes.substr(at, 2) == "\r\n" ? 2 : 1;

    line.erase(line.find_last_not_of(' ') + 1);
    std::string_view rest = line;
    do {
      if (view.rows.size() == limit) {
        view.cut = true;
        return view;
      }
      size_t take = rest.size();
      if (rest.size() > usable) {
        const size_t blank = rest.substr(0, usable).rfind(' ');
        take = blank == std::string_view::npos ? usable : blank + 1;
      }
      view.rows.emplace_back(rest.substr(0, take));
      rest.remove_prefix(take);
    } while (!rest.empty());
  }
  return view;
}

}  // namespace tessella::files
