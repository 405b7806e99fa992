// The word wrap that writes edited text back into an area, and the Edit command's
// pure parts.
#include <gtest/gtest.h>

#include "areas/edit_text.h"
#include "areas/word_wrap.h"

namespace tessella {
namespace {

using Lines = std::vector<std::string>;

TEST(WrapWords, BreaksAtBlanksCutsLongWordsAndStopsAtTheLimit) {
  struct Case {
    const char* text;
    int width;
    int max_lines;
    Lines expected;
  };
  const Case cases[] = {
      {"Hello world", 11, 3, {"Hello world"}},  // exact fit
      {"Hello world", 10, 3, {"Hello", "world"}},
      {"Hello world again", 11, 3, {"Hello world", "again"}},  // the blank just after the fit
      {"  Hello   world  ", 20, 3, {"Hello   world"}},         // inner blanks stay
      {"abcde   fg", 5, 3, {"abcde", "fg"}},                   // a run of blanks at the break
      {"ab abcdefghij c", 4, 5, {"ab", "abcd", "efgh", "ij c"}},  // a word longer than the width
      {"one two three four", 5, 2, {"one", "two"}},            // the rest is dropped
      {"   ", 5, 2, {""}},
      {"words", 0, 2, {}},
      {"words", 3, 0, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(areas::WrapWords(c.text, c.width, c.max_lines), c.expected) << c.text << " / " << c.width;
}

TEST(WrapWords, EveryLineFitsAndNoCharacterIsLost) {
  std::string text;
  std::string letters;
  for (int i = 0; i < 300; ++i) {
    const std::string word(static_cast<size_t>(i % 13 + 1), static_cast<char>('a' + i % 26));
    text += word + (i % 7 ? " " : "   ");
    letters += word;
  }
  for (int width = 1; width <= 40; ++width) {
    std::string kept;
    for (const auto& line : areas::WrapWords(text, width, 100000)) {
      ASSERT_LE(line.size(), static_cast<size_t>(width));
      for (char ch : line) if (ch != ' ') kept += ch;
    }
    EXPECT_EQ(kept, letters) << width;
  }
}

TEST(EditText, BlankRunsCollapseAndTheEditorIsSizedFromTheArea) {
  EXPECT_EQ(areas::CollapseBlanks("Hello   world" + std::string(35, ' ')), "Hello world ");
  // A NUL cell is a character like any other: the text does not end there.
  EXPECT_EQ(areas::CollapseBlanks(std::string("a\0  b", 5)), std::string("a\0 b", 4));
  // 20 x 5 cells: an edit box of 120 x 55 dialog units; 60 x 2: 300 x 24.
  EXPECT_EQ(areas::EditorSizeFor(20, 5).cols, 30);
  EXPECT_EQ(areas::EditorSizeFor(20, 5).lines, 6);
  EXPECT_EQ(areas::EditorSizeFor(60, 2).cols, 75);
  EXPECT_EQ(areas::EditorSizeFor(60, 2).lines, 3);
}

}  // namespace
}  // namespace tessella
