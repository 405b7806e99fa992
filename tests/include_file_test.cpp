// Include files: the blocks written for each kind, the replace rule, and reading a
// screen back (Edit Include).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "console/screen_image.h"
#include "files/include_file.h"
#include "files/include_reader.h"

namespace tessella::files {
namespace {

// The golden file's bytes; with TESSELLA_UPDATE_GOLDEN set, `actual` is written first.
std::string Golden(const std::string& name, const std::string& actual) {
  const std::string path = TESSELLA_SOURCE_DIR "/tests/golden/files/" + name;
  if (std::getenv("TESSELLA_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << actual;
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Text(console::ScreenImage& image, int row, std::string_view text, std::uint8_t attr) {
  for (size_t i = 0; i < text.size(); ++i)
    image.Set(row, static_cast<int>(i) + 1, static_cast<std::uint8_t>(text[i]), attr);
}

// A 20 x 3 menu: lower-case text on light grey, a line, and a blank in attribute 9.
console::ScreenImage Menu() {
  console::ScreenImage menu(20, 3, ' ', 0x71);
  Text(menu, 1, " Main menu", 0x71);
  Text(menu, 2, std::string(20, '\xC4'), 0x1F);
  Text(menu, 3, "  Quit", 0x70);
  menu.Set(3, 1, ' ', 0x09);
  return menu;
}

constexpr IncludeKind kKinds[] = {IncludeKind::kPbcc, IncludeKind::kPbdos, IncludeKind::kFreeBasic,
                                  IncludeKind::kQb};
constexpr const char* kGoldenNames[] = {"menu_pbcc.inc", "menu_pbdos.inc", "menu_freebasic.bi",
                                        "menu_qb.bi"};

TEST(IncludeFile, NewFileGetsTheLauncherAndTheScreenOfItsKind) {
  for (size_t k = 0; k < std::size(kKinds); ++k) {
    const std::string text = SaveIncludeScreen("", kKinds[k], "MENU", 5, 10, Menu());
    EXPECT_EQ(text, Golden(kGoldenNames[k], text)) << kGoldenNames[k];
  }
}

TEST(IncludeFile, ScreensComeBackFromTheFileOwnBytesAtTheirPlace) {
  // Lower case in attribute 0x71 ('q'), and bytes that break a line or a literal.
  console::ScreenImage cells(120, 2, 'q', 0x71);
  Text(cells, 1, "menu \"quoted\" \r\n end", 0x22);
  cells.Set(2, 120, '\n', 0x0D);
  cells.Set(2, 1, 'x', 0x20);  // the bytes 32, 9 across two cells are no blank in 9
  cells.Set(2, 2, 9, 0x71);
  for (IncludeKind kind : kKinds) {
    const std::string text = SaveIncludeScreen("", kind, "WIDE", 140, 101, cells);
    const IncludeScreen back = ReadIncludeScreen(text, "WIDE", 150, 250);
    EXPECT_EQ(back.result, IncludeFind::kFound);
    EXPECT_EQ(back.area, (console::Rect{140, 101, 141, 220}));
    EXPECT_EQ(back.pairs, cells.bytes());
    EXPECT_EQ(ReadIncludeScreen(text, "WIDE", 140, 250).result, IncludeFind::kOffConsole);
  }
}

TEST(IncludeFile, SavingAgainReplacesOnlyTheScreenOfTheWholeName) {
  console::ScreenImage other(4, 1, 'o', 0x4E);
  for (int c = 1; c <= 3; ++c) other.Set(1, c, '\r', '\n');  // line ends in its data
  console::ScreenImage changed(2, 2, 'n', 0x71);
  for (IncludeKind kind : kKinds) {
    std::string text = SaveIncludeScreen("", kind, "MENU", 5, 10, Menu());
    text = SaveIncludeScreen(text, kind, "MENU2", 1, 1, other);
    const std::string before = text;
    text = SaveIncludeScreen(text, kind, "MENU", 3, 3, changed);

    EXPECT_TRUE(text.starts_with(LauncherBlock(kind)));
    EXPECT_TRUE(text.ends_with(ScreenBlock(kind, "MENU", 3, 3, changed)));
    EXPECT_EQ(text.find(ScreenBlock(kind, "MENU", 5, 10, Menu())), std::string::npos);
    EXPECT_EQ(ReadIncludeScreen(text, "MENU2", 34, 90).pairs, other.bytes());
    EXPECT_EQ(ReadIncludeScreen(text, "menu", 34, 90).pairs, changed.bytes());
    EXPECT_LT(text.size(), before.size());
  }
  // The empty lines left where a screen stood close up, three or more to two.
  const std::string hand_written = "A\r\n\r\n\r\nDECLARE SUB M\r\nSUB M\r\nEND SUB\r\n\r\n\r\nB";
  EXPECT_TRUE(SaveIncludeScreen(hand_written, IncludeKind::kPbcc, "M", 1, 1, changed)
                  .starts_with("A\r\n\r\n \r\n\r\nB \r\n"));
}

TEST(IncludeFile, SubNamesAreTrimmedUpperCasedAndNeverTheLaunchers) {
  EXPECT_EQ(SubName("  main Menu \t"), "MAIN MENU");
  for (const char* name : {"", "   ", "putz", " Launch "}) EXPECT_EQ(SubName(name), std::nullopt);
}

TEST(IncludeFile, TheLauncherIsWrittenIntoNewFilesOnly) {
  const console::ScreenImage cell(1, 1);
  for (const auto& [kind, old, launcher] : {std::tuple{IncludeKind::kPbcc, 1, true},
                                           std::tuple{IncludeKind::kPbcc, 2, false},
                                           std::tuple{IncludeKind::kPbdos, 19, true},
                                           std::tuple{IncludeKind::kPbdos, 20, false}}) {
    const std::string text = SaveIncludeScreen(std::string(old, ' '), kind, "A", 1, 1, cell);
    EXPECT_EQ(text.find(LauncherBlock(kind)) == std::string(old, ' ').size(), launcher);
  }
}

TEST(IncludeFile, DamagedOrForeignFilesReadWithoutHarm) {
  const std::string good = SaveIncludeScreen("", IncludeKind::kPbcc, "MENU", 5, 10, Menu());
  struct Case {
    std::string text;
    IncludeFind result;
  };
  const Case cases[] = {
      {good, IncludeFind::kFound},
      {good.substr(0, good.size() - 40), IncludeFind::kNoCall},  // cut inside the call
      {good.substr(0, good.rfind("\" _") - 8), IncludeFind::kNoCall},
      {" SUB MENU\r\n SCN = \"ab\r\n PUTZ 1,2,3,4, SCN\r\n", IncludeFind::kFound},
      {" SUB MENU\r\n PUTZ 1, 2, 3 SCN\r\n END SUB", IncludeFind::kNoCall},
      {" SUB MENU\r\n PUTZ 9, 2, 3, 4, SCN\r\n END SUB", IncludeFind::kOffConsole},
      {" DECLARE SUB MENU2\r\n SUB MENUS\r\n PUTZ 1, 2, 3, 4, SCN", IncludeFind::kNoSuchSub},
      {" SCN = \"\r\n SUB MENU \" PUTZ 1, 1, 1, 1, SCN", IncludeFind::kNoSuchSub},
  };
  for (const Case& t : cases) {
    const IncludeScreen back = ReadIncludeScreen(t.text, "MENU", 34, 90);
    EXPECT_EQ(back.result, t.result) << t.text;
    EXPECT_LE(back.pairs.size(), static_cast<size_t>(back.area.width() * back.area.height() * 2));
  }
}

}  // namespace
}  // namespace tessella::files
