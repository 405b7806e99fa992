#pragma once
// Console screen code for PBCC: a screen subroutine `U_NameIt` that holds the area as
// one string, one literal per row, and draws it through the region writer `Putz`
// (which calls WriteConsoleOutput); `Putz` itself in a plain or an inline-assembler
// form; and, by option, the clickable-word handler.
#include <optional>
#include <string>
#include <string_view>

#include "codegen/clickable_words.h"
#include "console/rect.h"
#include "console/screen_image.h"

namespace tessella::codegen {

// The button clicked in the launcher box; kNone is a click beside both buttons or a key.
enum class Launcher { kNone, kPbcc, kAsm };

// The whole clipboard text for `captured`, the area image as read from the console at
// `area`, with the pieces `option` picks and the region writer `launcher` picks. The
// blank-9 rule is applied here to whole cells. kAll and kSelect empty `words`.
// kNone as launcher is a cancel: no text, and `words` is left as it was.
std::optional<std::string> PbccScreenCode(const console::ScreenImage& captured,
                                          const console::Rect& area, CodeOption option,
                                          Launcher launcher, ClickableWords& words);

// Shared with the FreeBasic screen code, whose screen routine is built the same way:
// the string assignment, one literal per image row with its bytes exactly as they stand
// (no escaping, no splitting), " Scn = " before the first and " + " before every other,
// rows joined by " _" line continuations, the last row ending in a quote and a blank,
// then an empty line.
std::string ScnRowLiterals(const console::ScreenImage& image);

// "    Putz" with the area's left, right, top and bottom as number texts, then
// `screen_arg`: "    Putz  5, 20, 3, 10, SCN" and its CR LF.
std::string PutzCallLine(const console::Rect& area, std::string_view screen_arg);

}  // namespace tessella::codegen
