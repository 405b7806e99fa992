#include "codegen/clickable_words.h"

#include "codegen/text_lines.h"

namespace tessella::codegen {
namespace {

constexpr char kQuote = '"';

constexpr std::string_view kGetKeySub[] = {
    "    SUB GetKey (Keynumber&, char$, Rgt&, Lft&, Row&, Col&) ",
    "    char$ =\"\": Keynumber&  = 0",
    "    Rgt&  = 0 : Lft&  = 0",
    " front:",
    "    char$ = WAITKEY$",
    "    IF ASC(char$, 4) <> 1 AND ASC(char$, 4) <> 2 THEN",
    "        Keynumber& = CVI(char$ + CHR$(0))",
    "        EXIT SUB",
    "    END IF",
    "    IF ASC(char$, 4) = 1 THEN Lft&  = 1 : char$ = \"\"",
    "    IF ASC(char$, 4) = 2 THEN Rgt&  = 2 : char$ = \"\"",
    "    IF Lft&  = 0 AND Rgt&  = 0 THEN GOTO front",
    "    Row&  = MOUSEY : Col&  = MOUSEX",
    "  END SUB",
    "",
};

std::string Quoted(std::string_view text) {
  std::string out(1, kQuote);
  out.append(text);
  out += kQuote;
  return out;
}

std::string MainHead(const console::Rect& area) {
  Lines lines;
  lines.Add({"FUNCTION PBMAIN", "  MOUSE ON : MOUSE 7, DOUBLE, DOWN : SLEEP 10"});
  lines.Add("  'CONSOLE SCREEN " + NumberText(area.height()) + ", " + NumberText(area.width()) +
            "  ' Uncomment if you want to adjust window to Menu size ");
  lines.Add({"  CURSOR OFF                ' And the area you selected started at Row 1 and column 1 ",
             "  U_NameIt", "", "  DO"});
  return lines.Take();
}

std::string KeyHandler(const ClickableWords& words) {
  Lines lines;
  lines.Add({"  GetKey Keynumber&, char$, Rgt&, Lft&, Row&, Col&", "", "  IF char$ = \"\" THEN"});
  lines.Raw(words.if_list).Add("");  // an empty line closes the block, also when it is empty
  lines.Add({"  ELSE", "      MLabel$ = UCASE$(char$)", "  END IF", "", "    SELECT CASE MLabel$"});
  lines.Raw(words.case_list).Add("    END SELECT");
  return lines.Take();
}

}  // namespace

std::string WordLabel(std::string_view chars) {
  std::string word(chars);
  for (char& ch : word)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');  // bytes above 127 stay
  const size_t first = word.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return word.substr(first, word.find_last_not_of(' ') - first + 1);
}

std::string TopRowChars(const console::ScreenImage& image) {
  std::string chars;
  for (int c = 1; c <= image.width(); ++c) chars += static_cast<char>(image.ch(1, c));
  return chars;
}

bool MarkWord(ClickableWords& words, std::string_view top_row_chars, const console::Rect& area) {
  if (area.empty() || area.top < 1 || area.left < 1) return false;
  const std::string word = WordLabel(top_row_chars);
  Lines if_line;
  if_line.Add("     IF row& =" + NumberText(area.top) + " AND col& >" + NumberText(area.left - 1) +
              " AND col& <" + NumberText(area.right + 1) + " THEN MLabel$ = " + Quoted(word));
  words.if_list += if_line.text();

  // A one-letter word is its own shortcut; any other (the empty one included) also
  // answers to its first letter.
  std::string case_line = "       CASE " + Quoted(word);
  if (word.size() != 1) case_line += ", " + Quoted(word.substr(0, 1));
  Lines case_lines;
  case_lines.Add(case_line);
  case_lines.Add("            LOCATE 1, 30 : PRINT \"You clicked on \"& MLabel$");
  words.case_list += case_lines.text();
  return true;
}

HandlerTexts BuildHandlerTexts(ClickableWords& words, const console::Rect& area) {
  HandlerTexts texts;
  Lines get_key;
  for (std::string_view line : kGetKeySub) get_key.Add(line);
  texts.get_key_sub = get_key.Take();
  texts.main_head = MainHead(area);
  texts.key_handler = KeyHandler(words);
  texts.loop_tail = Lines().Add({"  LOOP UNTIL Keynumber& = 27", " END FUNCTION"}).Take();
  words = {};
  return texts;
}

std::string CombineByOption(CodeOption option, std::string_view region_writer,
                            std::string_view screen_sub, ClickableWords& words,
                            const console::Rect& area) {
  std::string text;
  switch (option) {
    case CodeOption::kAll: {
      const HandlerTexts handler = BuildHandlerTexts(words, area);
      text.append(region_writer).append(screen_sub).append(handler.get_key_sub);
      text.append(handler.main_head).append(handler.key_handler).append(handler.loop_tail);
      break;
    }
    case CodeOption::kLauncher:
      text.append(region_writer).append(screen_sub);
      break;
    case CodeOption::kSelect:
      text.append(screen_sub).append(BuildHandlerTexts(words, area).key_handler);
      break;
    case CodeOption::kNone:
      text.append(screen_sub);
      break;
  }
  return text;
}

}  // namespace tessella::codegen
