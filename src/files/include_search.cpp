#include "files/include_search.h"

#include <algorithm>

namespace tessella::files {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

size_t SkipBlanks(std::string_view text, size_t at, size_t end) {
  while (at < end && IsBlank(text[at])) ++at;
  return at;
}

// `word` at `at`, then at least one blank; the position after the blanks, or npos.
size_t WordThenBlanks(std::string_view text, size_t at, size_t end, std::string_view word) {
  if (!WordAt(text.substr(0, end), at, word)) return std::string_view::npos;
  const size_t after = at + word.size();
  if (after >= end || !IsBlank(text[after])) return std::string_view::npos;
  return SkipBlanks(text, after, end);
}

// The line's words from `at` are `name` followed by nothing but blanks or a '('.
bool NameEndsLine(std::string_view text, size_t at, size_t end, std::string_view name) {
  if (name.empty() || !WordAt(text.substr(0, end), at, name)) return false;
  const size_t after = SkipBlanks(text, at + name.size(), end);
  return after == end || text[after] == '(';
}

// "SUB name" from `first`; with `name` empty, "SUB" and any word.
bool IsSubLine(std::string_view text, const LineSpan& line, std::string_view name) {
  const size_t at = WordThenBlanks(text, line.first, line.end, "SUB");
  if (at == std::string_view::npos) return false;
  return name.empty() ? at < line.end : NameEndsLine(text, at, line.end, name);
}

bool IsDeclareLine(std::string_view text, const LineSpan& line, std::string_view name) {
  const size_t at = WordThenBlanks(text, line.first, line.end, "DECLARE");
  if (at == std::string_view::npos) return false;
  return IsSubLine(text, LineSpan{line.start, at, line.end, line.next}, name);
}

bool IsEndSub(std::string_view text, const LineSpan& line, size_t& past) {
  const size_t at = WordThenBlanks(text, line.first, line.end, "END");
  if (at == std::string_view::npos || !WordAt(text.substr(0, line.end), at, "SUB")) return false;
  past = at + 3;
  return past == line.end || !IsNameChar(text[past]);
}

}  // namespace

LineSpan LineAt(std::string_view text, size_t start) {
  LineSpan line;
  line.start = start;
  const size_t newline = text.find('\n', start);
  const size_t stop = newline == std::string_view::npos ? text.size() : newline;
  line.end = stop > start && text[stop - 1] == '\r' ? stop - 1 : stop;
  line.first = SkipBlanks(text, start, line.end);
  line.next = newline == std::string_view::npos ? text.size() + 1 : newline + 1;
  return line;
}

bool WordAt(std::string_view text, size_t at, std::string_view word) {
  if (at > text.size() || text.size() - at < word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (Upper(text[at + i]) != Upper(word[i])) return false;
  return true;
}

std::optional<SubBlock> FindSubBlock(std::string_view text, std::string_view name) {
  if (name.empty()) return std::nullopt;
  size_t declaration = std::string_view::npos;
  for (size_t start = 0; start <= text.size();) {
    const LineSpan line = LineAt(text, start);
    start = line.next;
    if (line.first == line.end) continue;  // blank lines keep a declaration pending
    if (IsDeclareLine(text, line, name)) {
      declaration = line.first;
      continue;
    }
    if (!IsSubLine(text, line, name)) {
      declaration = std::string_view::npos;
      continue;
    }
    SubBlock block;
    block.begin = declaration != std::string_view::npos ? declaration : line.first;
    block.body = std::min(line.next, text.size());
    block.end = text.size();
    for (size_t at = line.next; at <= text.size();) {
      const LineSpan body_line = LineAt(text, at);
      at = body_line.next;
      size_t past = 0;
      if (IsEndSub(text, body_line, past)) {
        block.end = past;
        break;
      }
      if (IsDeclareLine(text, body_line, {}) || IsSubLine(text, body_line, {})) {
        block.end = body_line.start;
        break;
      }
    }
    return block;
  }
  return std::nullopt;
}

}  // namespace tessella::files
