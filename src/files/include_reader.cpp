#include "files/include_reader.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>

#include "files/include_search.h"

namespace tessella::files {
namespace {

constexpr size_t kNpos = std::string_view::npos;

// A whole number standing alone between blanks, or none.
std::optional<int> WholeNumber(std::string_view field) {
  const size_t first = field.find_first_not_of(" \t");
  if (first == kNpos) return std::nullopt;
  const size_t last = field.find_last_not_of(" \t");
  long long value = 0;
  for (char c : field.substr(first, last - first + 1)) {
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min<long long>(value * 10 + (c - '0'), INT_MAX);
  }
  return static_cast<int>(value);
}

// The four numbers of "PUTZ l, r, t, b, SCN" or "LAUNCH l, r, t, b, SCN()": left column,
// right column, top row, bottom row.
std::optional<console::Rect> CallRect(std::string_view text, const LineSpan& line) {
  size_t at = kNpos;
  for (std::string_view word : {std::string_view("PUTZ"), std::string_view("LAUNCH")}) {
    const size_t after = line.first + word.size();
    if (WordAt(text.substr(0, line.end), line.first, word) && after < line.end &&
        (text[after] == ' ' || text[after] == '\t'))
      at = after;
  }
  if (at == kNpos) return std::nullopt;
  std::array<int, 4> numbers{};
  for (int& number : numbers) {
    const size_t comma = text.substr(0, line.end).find(',', at);
    if (comma == kNpos) return std::nullopt;
    const std::optional<int> value = WholeNumber(text.substr(at, comma - at));
    if (!value) return std::nullopt;
    number = *value;
    at = comma + 1;
  }
  return console::Rect{.top = numbers[2], .left = numbers[0], .bottom = numbers[3],
                       .right = numbers[1]};
}

// Appends the literal of a screen line (SCN = "..", + "..", SCN = SCN + "..",
// SCN(i) = "..") and returns where the next line starts. A literal exactly one row
// long is taken whole even when its bytes hold quotes or line ends; anything else runs
// to the line's last quote.
size_t TakeLiteral(std::string_view text, const LineSpan& line, size_t row_bytes,
                   std::string& pairs) {
  const size_t quote = text.substr(0, line.end).find('"', line.first);
  if (quote == kNpos) return line.next;
  const size_t start = quote + 1;
  const size_t close = start + row_bytes;
  if (close < text.size() && text[close] == '"') {
    pairs.append(text.substr(start, row_bytes));
    return LineAt(text, close).next;
  }
  size_t last = text.substr(0, line.end).rfind('"');
  if (last < start) last = line.end;
  pairs.append(text.substr(start, last - start));
  return line.next;
}

}  // namespace

IncludeScreen ReadIncludeScreen(std::string_view text, std::string_view name, int max_row,
                                int max_col) {
  IncludeScreen screen;
  const std::optional<SubBlock> block = FindSubBlock(text, name);
  if (!block) return screen;
  const std::string_view sub = text.substr(0, block->end);

  screen.result = IncludeFind::kNoCall;
  std::optional<LineSpan> call;
  for (size_t at = block->body; at <= sub.size() && !call;) {
    const LineSpan line = LineAt(sub, at);
    at = line.next;
    if (const std::optional<console::Rect> rect = CallRect(sub, line)) {
      screen.area = *rect;
      call = line;
    }
  }
  if (!call) return screen;
  const console::Rect& a = screen.area;
  if (a.top < 1 || a.left < 1 || a.bottom < a.top || a.right < a.left || a.bottom > max_row ||
      a.right > max_col) {
    screen.result = IncludeFind::kOffConsole;
    return screen;
  }
  screen.result = IncludeFind::kFound;

  const size_t row_bytes = static_cast<size_t>(a.width()) * 2;
  const size_t area_bytes = row_bytes * static_cast<size_t>(a.height());
  const std::string_view body = text.substr(0, call->start);
  for (size_t at = block->body; at < body.size() && screen.pairs.size() < area_bytes;) {
    const LineSpan line = LineAt(body, at);
    const bool screen_line = WordAt(body.substr(0, line.end), line.first, "SCN") ||
                             (line.first < line.end && body[line.first] == '+');
    at = screen_line ? TakeLiteral(body, line, row_bytes, screen.pairs) : line.next;
  }
  screen.pairs.resize(std::min(area_bytes, screen.pairs.size() / 2 * 2));
  return screen;
}

}  // namespace tessella::files
