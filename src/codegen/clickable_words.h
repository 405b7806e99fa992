#pragma once
// Clickable words: words of a designed screen that the generated program lets its user
// pick with the mouse or by typing the word's first letter. The Mouse button records
// each marked word as one IF line and two CASE lines; the console code generators turn
// the lists into a key-and-mouse reader, a main function, a handler block and a loop
// tail, which empties the lists.
#include <string>
#include <string_view>

#include "console/rect.h"
#include "console/screen_image.h"

namespace tessella::codegen {

// The two lists the editor keeps for the whole run, both texts of CR LF lines.
struct ClickableWords {
  std::string if_list;    // one line per marked word
  std::string case_list;  // two lines per marked word

  bool empty() const { return if_list.empty() && case_list.empty(); }
  bool operator==(const ClickableWords&) const = default;
};

// The four texts the lists are turned into.
struct HandlerTexts {
  std::string get_key_sub;  // the key-and-mouse reader `GetKey`
  std::string main_head;    // FUNCTION PBMAIN up to DO
  std::string key_handler;  // the IF block giving MLabel$ and the SELECT CASE over it
  std::string loop_tail;    // LOOP UNTIL Esc and END FUNCTION
};

// The label a selection's top row gives: ASCII letters upper-cased (bytes above 127
// stay as they are), then leading and trailing blanks removed.
std::string WordLabel(std::string_view chars);

// The character bytes of an area image's top row: what Mark word reads.
std::string TopRowChars(const console::ScreenImage& image);

// Records the word of `top_row_chars` (the characters of the area's top row, columns
// left to right) selected as `area`: appends its IF line and its CASE lines. An area
// that is not on the console (empty, or a corner at row or column 0) records nothing
// and gives false.
bool MarkWord(ClickableWords& words, std::string_view top_row_chars, const console::Rect& area);

// Builds the four handler texts for the area the generated screen is made from (its
// height and width go into the main function's CONSOLE SCREEN hint) and empties both
// lists.
HandlerTexts BuildHandlerTexts(ClickableWords& words, const console::Rect& area);

// The pieces a console code generator puts together, as picked in its options box.
enum class CodeOption {
  kNone,      // the screen routine alone
  kAll,       // region writer, screen routine and the whole handler
  kLauncher,  // region writer and screen routine
  kSelect,    // screen routine and the key-handler block
};

// Puts the texts of one generator run together by the option. kAll and kSelect build
// the handler texts and so empty the lists; kNone and kLauncher leave them for a later
// run.
std::string CombineByOption(CodeOption option, std::string_view region_writer,
                            std::string_view screen_sub, ClickableWords& words,
                            const console::Rect& area);

}  // namespace tessella::codegen
