#pragma once
// Finding one screen's subroutine in an include file by its name. Names are matched
// whole and only where a line starts (after its blanks), without regard to case, so
// MENU never finds MENU2 and text inside screen data is never taken for a subroutine.
#include <cstddef>
#include <optional>
#include <string_view>

namespace tessella::files {

struct SubBlock {
  // Where the screen's lines begin: the word DECLARE of its declaration when that is the
  // line before the SUB (blank lines between allowed), else the word SUB.
  size_t begin = 0;
  // Start of the line after the SUB line: the body.
  size_t body = 0;
  // Just past the words END SUB; if they are missing, the start of the next DECLARE or
  // SUB line, or the end of the text.
  size_t end = 0;
};

// The first subroutine called `name` in `text`.
std::optional<SubBlock> FindSubBlock(std::string_view text, std::string_view name);

// Line walking shared by the include readers.
struct LineSpan {
  size_t start = 0;  // first byte of the line
  size_t first = 0;  // first byte after its leading blanks
  size_t end = 0;    // end of its content (before CR LF, LF or the end of the text)
  size_t next = 0;   // start of the next line (past the text when there is none)
};
LineSpan LineAt(std::string_view text, size_t start);
// Whether `word` stands at `at` (without regard to case), and where it ends.
bool WordAt(std::string_view text, size_t at, std::string_view word);

}  // namespace tessella::files
