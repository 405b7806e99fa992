// The console code generators and the clickable-word lists: every option and launcher
// against its expected clipboard bytes, plus the rules that are easy to get wrong.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "codegen/clickable_words.h"
#include "codegen/freebasic_code.h"
#include "codegen/pbcc_code.h"

namespace tessella::codegen {
namespace {

using console::Rect;
using console::ScreenImage;

struct Area {
  ScreenImage image;
  Rect rect;
};

// "A" in attribute 7 at row 3, column 5.
Area OneCell() { return {ScreenImage::FromPairs("A\x07", 1), {3, 5, 3, 5}}; }

// A blank in attribute 9 (becomes 15), a character 9 right after an attribute 32 (a
// byte pair 32, 9 across two cells, left alone) and a line character above 127.
Area OneRow() {
  return {ScreenImage::FromPairs(std::string("H\x1F \x09x\x20\x09\x4E\xCD\x1E \x07", 12), 6),
          {2, 1, 2, 6}};
}

// A double quote as character and as attribute, 13 as character and attribute, 9 as
// character and attribute, and one blank in attribute 9.
Area TwoRows() {
  return {ScreenImage::FromPairs(
              std::string("\"\x07Q\x22\x0D\x70 \x09" "\x09\x09" "a\x0D\xBA\x1F \x20", 16), 4),
          {3, 5, 4, 8}};
}

// A word marked with the Mouse button: the text of its top row and its area.
struct Mark {
  std::string top_row;
  Rect rect;
};

enum class Generator { kPbcc, kFreeBasic };

struct Case {
  const char* golden;
  Generator generator;
  Area (*area)();
  CodeOption option;
  Launcher launcher;
  std::vector<Mark> marks;
};

const Mark kCopy{"  Copy  ", {5, 8, 5, 15}};
const Mark kLetter{"  A  ", {6, 20, 6, 24}};
const Mark kBlanks{"    ", {7, 1, 7, 4}};
const Mark kFile{"File", {1, 1, 1, 4}};  // at column 1: the test reads col& > 0
const Mark kExit{" \x82xit ", {1, 6, 2, 11}};  // two rows: only the top one counts

const Case kCases[] = {
    {"pbcc_none_one_cell", Generator::kPbcc, OneCell, CodeOption::kNone, Launcher::kPbcc, {}},
    {"asm_none_one_row", Generator::kPbcc, OneRow, CodeOption::kNone, Launcher::kAsm, {}},
    {"pbcc_launcher_two_rows", Generator::kPbcc, TwoRows, CodeOption::kLauncher, Launcher::kPbcc,
     {kCopy}},  // the word stays in the lists
    {"asm_launcher_one_cell", Generator::kPbcc, OneCell, CodeOption::kLauncher, Launcher::kAsm, {}},
    {"pbcc_all_two_rows_two_words", Generator::kPbcc, TwoRows, CodeOption::kAll, Launcher::kPbcc,
     {kFile, kExit}},
    {"asm_all_one_row_no_words", Generator::kPbcc, OneRow, CodeOption::kAll, Launcher::kAsm, {}},
    {"pbcc_select_one_cell_word", Generator::kPbcc, OneCell, CodeOption::kSelect, Launcher::kPbcc,
     {kCopy}},
    {"asm_select_two_rows_blank_and_letter", Generator::kPbcc, TwoRows, CodeOption::kSelect,
     Launcher::kAsm, {kBlanks, kLetter}},
    {"freebasic_none_two_rows", Generator::kFreeBasic, TwoRows, CodeOption::kNone,
     Launcher::kNone, {}},
    {"freebasic_launcher_one_cell", Generator::kFreeBasic, OneCell, CodeOption::kLauncher,
     Launcher::kNone, {}},
    {"freebasic_all_one_row_two_words", Generator::kFreeBasic, OneRow, CodeOption::kAll,
     Launcher::kNone, {kCopy, kLetter}},
    {"freebasic_select_one_cell_no_words", Generator::kFreeBasic, OneCell, CodeOption::kSelect,
     Launcher::kNone, {}},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.golden; }

std::string GoldenPath(const std::string& name) {
  return TESSELLA_SOURCE_DIR "/tests/golden/codegen/" + name + ".bas";
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class ConsoleFamilyGolden : public testing::TestWithParam<Case> {};

TEST_P(ConsoleFamilyGolden, ClipboardBytesMatchTheExpectedFile) {
  const Case& c = GetParam();
  ClickableWords words;
  for (const Mark& mark : c.marks) {
    ScreenImage image(mark.rect.width(), mark.rect.height());
    for (int col = 1; col <= image.width(); ++col)
      image.Set(1, col, static_cast<std::uint8_t>(mark.top_row[static_cast<size_t>(col - 1)]), 7);
    ASSERT_TRUE(MarkWord(words, TopRowChars(image), mark.rect));
  }
  const ClickableWords before = words;
  const Area area = c.area();
  const std::optional<std::string> text =
      c.generator == Generator::kPbcc
          ? PbccScreenCode(area.image, area.rect, c.option, c.launcher, words)
          : FreeBasicScreenCode(area.image, area.rect, c.option, words);
  ASSERT_TRUE(text.has_value());

  // The handler texts use up the lists; the other options leave them for a later run.
  const bool uses_handler = c.option == CodeOption::kAll || c.option == CodeOption::kSelect;
  EXPECT_EQ(words, uses_handler ? ClickableWords{} : before);

  const std::string path = GoldenPath(c.golden);
  const char* bless = std::getenv("TESSELLA_BLESS");
  if (bless != nullptr && std::string_view(bless) == "1") {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << *text;
    GTEST_SKIP() << "wrote " << path;
  }
  const std::string expected = ReadBytes(path);
  ASSERT_FALSE(expected.empty()) << "no expected file " << path;
  EXPECT_EQ(expected, *text) << path;
}

INSTANTIATE_TEST_SUITE_P(Cases, ConsoleFamilyGolden, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& param) {
                           return std::string(param.param.golden);
                         });

TEST(ConsoleFamily, NoLauncherButtonIsACancelThatHandsOverNothingAndKeepsTheWords) {
  ClickableWords words;
  ASSERT_TRUE(MarkWord(words, "Copy", {5, 10, 5, 13}));
  const ClickableWords marked = words;
  const Area area = TwoRows();
  for (CodeOption option : {CodeOption::kNone, CodeOption::kAll, CodeOption::kLauncher,
                            CodeOption::kSelect}) {
    EXPECT_EQ(PbccScreenCode(area.image, area.rect, option, Launcher::kNone, words), std::nullopt);
    EXPECT_EQ(words, marked);
  }
}

TEST(ConsoleFamily, MarkedWordsGiveTheirLinesOnceAndOnlyAsciiLettersAreUpperCased) {
  EXPECT_EQ(WordLabel("  \x82t\xE1 `az{ "), "\x82T\xE1 `AZ{");
  EXPECT_EQ(WordLabel("   "), "");

  ClickableWords words;
  EXPECT_FALSE(MarkWord(words, "Copy", {0, 0, 0, 3}));  // no area chosen yet
  EXPECT_TRUE(words.empty());
  ASSERT_TRUE(MarkWord(words, "Copy", {5, 10, 5, 13}));
  EXPECT_EQ(words.if_list,
            "     IF row& = 5 AND col& > 9 AND col& < 14 THEN MLabel$ = \"COPY\"\r\n");
  EXPECT_EQ(words.case_list,
            "       CASE \"COPY\", \"C\"\r\n"
            "            LOCATE 1, 30 : PRINT \"You clicked on \"& MLabel$\r\n");

  const HandlerTexts first = BuildHandlerTexts(words, {5, 10, 5, 13});
  EXPECT_NE(first.key_handler.find("MLabel$ = \"COPY\""), std::string::npos);
  EXPECT_TRUE(words.empty());
  const HandlerTexts second = BuildHandlerTexts(words, {5, 10, 5, 13});
  EXPECT_NE(second.key_handler.find(" THEN\r\n\r\n  ELSE"), std::string::npos);
  EXPECT_NE(second.key_handler.find("MLabel$\r\n    END SELECT"), std::string::npos);
}

TEST(ConsoleFamily, CallLineGivesLeftRightTopBottom) {
  EXPECT_EQ(PutzCallLine({3, 5, 10, 20}, " SCN"), "    Putz  5, 20, 3, 10, SCN\r\n");
  EXPECT_EQ(PutzCallLine({3, 5, 10, 20}, " Scn"), "    Putz  5, 20, 3, 10, Scn\r\n");
}

}  // namespace
}  // namespace tessella::codegen
