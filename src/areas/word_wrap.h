#pragma once
// Word wrap for text written back into an area.
#include <string>
#include <string_view>
#include <vector>

namespace tessella::areas {

// The text as lines of at most `width` characters, at most `max_lines` of them; what
// does not fit in those is dropped. Lines break at the last blank that lets the line
// fit, the blanks there are dropped, and a word longer than the width is cut at the
// width. Blanks inside a line stay as they are; the text's leading and trailing blanks
// go. A text of blanks gives one empty line. Nothing for a width or line count below 1.
std::vector<std::string> WrapWords(std::string_view text, int width, int max_lines);

}  // namespace tessella::areas
