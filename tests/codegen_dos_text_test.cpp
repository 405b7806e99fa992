// The DOS DATA code, text copies, Atom, XPRINT/GRAPHIC and user-control generators,
// byte for byte against the expected files in tests/golden/codegen/ (set
// TESSELLA_BLESS=1 to rewrite them from the current output), and the QB DATA lines
// read back by a real BASIC interpreter.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "codegen/atom_code.h"
#include "codegen/blank_nine.h"
#include "codegen/dos_code.h"
#include "codegen/text_copy.h"
#include "codegen/user_control_code.h"
#include "codegen/xprint_code.h"

namespace tessella::codegen {
namespace {

using console::Rect;
using console::ScreenImage;

// A 16 x 8 double-line panel in colour at rows 3-10, columns 5-20. Row 2 holds a blank
// in attribute 9 (written out in attribute 15) and a '!' in attribute 34, a double
// quote that must go into the literals unchanged.
ScreenImage Panel() {
  ScreenImage image(16, 8, ' ', 0x1F);
  for (int c = 2; c <= 15; ++c) {
    image.Set(1, c, 205, 0x1E);
    image.Set(8, c, 205, 0x1E);
  }
  for (int r = 2; r <= 7; ++r) {
    image.Set(r, 1, 186, 0x1E);
    image.Set(r, 16, 186, 0x1E);
  }
  image.Set(1, 1, 201, 0x1E);
  image.Set(1, 16, 187, 0x1E);
  image.Set(8, 1, 200, 0x1E);
  image.Set(8, 16, 188, 0x1E);
  image.Set(2, 2, ' ', 9);
  const std::string title = "TESSELLA";
  for (size_t i = 0; i < title.size(); ++i)
    image.Set(2, 3 + static_cast<int>(i), static_cast<std::uint8_t>(title[i]), 0x1F);
  image.Set(2, 15, '!', 34);
  const std::uint8_t shades[] = {176, 177, 178, 219};
  for (int i = 0; i < 4; ++i) image.Set(4, 3 + i, shades[i], 0x4E);
  return image;
}
constexpr Rect kPanelPlace{3, 5, 10, 20};

// A 9 x 5 text at rows 12-16, columns 30-38: blank runs at the start, inside and at the
// end, a blank before a character 9, a word running into the next row, a row of blanks
// and line characters.
ScreenImage Words() {
  const std::string text = std::string("  {x}  \x09y") + "The quick" + "red fox  " +
                           "         " + "\xC0\xC4\xD9 end  ";
  ScreenImage image(9, 5);
  for (size_t i = 0; i < text.size(); ++i) {
    const int at = static_cast<int>(i);
    image.Set(at / 9 + 1, at % 9 + 1, static_cast<std::uint8_t>(text[i]), 0x1F);
  }
  return image;
}
constexpr Rect kWordsPlace{12, 30, 16, 38};

struct GoldenCase {
  const char* name;
  std::function<std::string()> make;
};

std::vector<GoldenCase> Cases() {
  const UserControlAnswers uc_yes{true, "Menu", 14, 1};
  const UserControlAnswers uc_no{false, "Menu", 14, 1};
  const auto dos = [](DosBasic basic, bool launcher, const char* label) {
    return [=] { return DosScreenCode(Panel(), kPanelPlace, {basic, launcher, label}); };
  };
  return {
      {"dos_pb_launcher", dos(DosBasic::kPB, true, "Scr1")},
      {"dos_qb_launcher", dos(DosBasic::kQB, true, "Scr1")},
      {"dos_gw_launcher", dos(DosBasic::kGW, true, "Scr1")},
      {"dos_pb_no", dos(DosBasic::kPB, false, "Scr1")},
      {"dos_gw_no", dos(DosBasic::kGW, false, "Scr1")},
      {"dos_qb_no_empty_label", dos(DosBasic::kQB, false, "")},
      {"text_regular", [] { return RegularText(Words()); }},
      {"text_with_lines", [] { return TextWithLines(Words()); }},
      {"atom_loader", [] { return AtomScreenCode(Panel(), kPanelPlace, true); }},
      {"atom_no", [] { return AtomScreenCode(Panel(), kPanelPlace, false); }},
      {"xprint", [] { return XprintCode(Words()); }},
      {"graphic", [] { return GraphicPrintCode(Panel()); }},
      {"uc_dos_launcher", [=] { return UserControlDosCode(Words(), kWordsPlace, uc_yes); }},
      {"uc_dos_no", [=] { return UserControlDosCode(Words(), kWordsPlace, uc_no); }},
      {"uc_pbcc_launcher", [=] { return UserControlPbccCode(Words(), kWordsPlace, uc_yes); }},
      {"uc_pbcc_no", [=] { return UserControlPbccCode(Words(), kWordsPlace, uc_no); }},
  };
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Where two texts part, with the line it happens in, for a readable failure.
std::string FirstDifference(const std::string& want, const std::string& got) {
  size_t at = 0;
  while (at < want.size() && at < got.size() && want[at] == got[at]) ++at;
  const auto line =
      std::count(want.begin(), want.begin() + static_cast<std::ptrdiff_t>(at), '\n') + 1;
  const size_t from = want.rfind('\n', at == 0 ? 0 : at - 1);
  const size_t start = from == std::string::npos ? 0 : from + 1;
  return "bytes part at offset " + std::to_string(at) + " (line " + std::to_string(line) +
         ")\n  want: " + want.substr(start, at - start + 20) + "\n  got:  " +
         got.substr(start, at - start + 20);
}

TEST(CodegenDosText, EveryGeneratorAndOptionMatchesItsExpectedBytes) {
  const char* bless_switch = std::getenv("TESSELLA_BLESS");
  const bool bless = bless_switch != nullptr && std::string(bless_switch) == "1";
  const std::filesystem::path dir = TESSELLA_SOURCE_DIR "/tests/golden/codegen";
  for (const GoldenCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path path = dir / (std::string(c.name) + ".txt");
    const std::string got = c.make();
    if (bless) {
      std::ofstream(path, std::ios::binary) << got;
      continue;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing; bless it first";
    const std::string want = ReadBytes(path);
    EXPECT_TRUE(want == got) << FirstDifference(want, got);
  }
}

TEST(CodegenDosText, DialectIsKeptOnlyWhenItsLauncherWasNotWritten) {
  for (DosBasic basic : {DosBasic::kPB, DosBasic::kQB, DosBasic::kGW}) {
    EXPECT_EQ(DosBasicAfterRun({basic, true, "L"}), DosBasic::kNone);
    EXPECT_EQ(DosBasicAfterRun({basic, false, "L"}), basic);
  }
}

// Every byte the interpreter's DATA parser takes inside a quoted string: it cannot hold
// a zero byte, a line end or a double quote, and this interpreter also splits statements
// at ':' even inside quotes. One cell is a blank in attribute 9.
ScreenImage DataSafeArea() {
  std::string bytes;
  for (int b = 1; b < 256; ++b)
    if (b != '\n' && b != '\r' && b != '"' && b != ':') bytes += static_cast<char>(b);
  if (bytes.size() % 2 != 0) bytes += 'x';
  bytes += " \x09";
  while (bytes.size() % 20 != 0) bytes += "x\x1F";
  return ScreenImage::FromPairs(bytes, 10);
}

TEST(CodegenDosText, QbDataLinesReadBackThroughARealBasic) {
  if (std::system("command -v bwbasic >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "bwbasic is not installed (Debian package bwbasic)";
  const ScreenImage area = DataSafeArea();
  const Rect place{2, 3, 1 + area.height(), 2 + area.width()};
  const std::string code = DosScreenCode(area, place, {DosBasic::kQB, false, "Scr1"});

  // Keep RESTORE, the label and the DATA lines; the interpreter hands a line it does not
  // know (the Launch call) to the shell.
  std::string program;
  std::istringstream lines(code);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  RESTORE ", 0) == 0 || line == "Scr1:\r" || line.rfind("DATA ", 0) == 0)
      program += line + "\n";
  }
  program += "FOR I = 1 TO " + std::to_string(area.height()) + "\r\n" +
             "READ S$\r\nPRINT \"ROW\"; LEN(S$);\r\n"
             "FOR J = 1 TO LEN(S$)\r\nA = ASC(MID$(S$, J, 1))\r\nIF A < 0 THEN A = A + 256\r\n"
             "PRINT A;\r\nNEXT J\r\nPRINT\r\nNEXT I\r\nSYSTEM\r\n";

  char dir_template[] = "/tmp/tessella-bwbasic-XXXXXX";
  ASSERT_NE(mkdtemp(dir_template), nullptr);
  const std::filesystem::path dir = dir_template;
  std::ofstream(dir / "screen.bas", std::ios::binary) << program;
  const std::string command = "cd '" + dir.string() +
                              "' && timeout 10 bwbasic screen.bas </dev/null >out.txt 2>&1";
  const int status = std::system(command.c_str());
  const std::string output = ReadBytes(dir / "out.txt");
  std::filesystem::remove_all(dir);
  ASSERT_EQ(status, 0) << output;

  // Each row comes back as "ROW" then its length and its bytes as numbers.
  const ScreenImage cells = ApplyBlankNine(area);
  std::istringstream words(output.substr(std::min(output.find("ROW"), output.size())));
  for (int r = 1; r <= cells.height(); ++r) {
    SCOPED_TRACE(r);
    std::string tag;
    size_t length = 0;
    ASSERT_TRUE(words >> tag >> length) << output;
    ASSERT_EQ(tag, "ROW");
    ASSERT_EQ(length, static_cast<size_t>(2 * cells.width()));
    std::string bytes;
    for (size_t i = 0; i < length; ++i) {
      int b = 0;
      ASSERT_TRUE(words >> b);
      bytes += static_cast<char>(b);
    }
    EXPECT_EQ(bytes, cells.row(r));
  }
}

}  // namespace
}  // namespace tessella::codegen
