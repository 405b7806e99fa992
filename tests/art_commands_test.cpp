// tessella convert and tessella render as a user runs them.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "art_samples.h"
#include "files/art_bin.h"
#include "files/art_render.h"
#include "replay_fixture.h"

namespace tessella {
namespace {

namespace fs = std::filesystem;

struct CommandRun {
  int status = -1;
  std::string output;
};

CommandRun Tessella(const std::string& args) {
  CommandRun r;
  FILE* pipe = popen((std::string(TESSELLA_BINARY) + " " + args + " 2>&1").c_str(), "r");
  if (!pipe) return r;
  char buffer[256];
  while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) r.output.append(buffer, n);
  const int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

const std::string kWaiting = TESSELLA_SOURCE_DIR "/tests/data/bin/waiting.bin";

TEST(ArtCommands, ConvertGoesThroughEveryKindAndBackToTheSameCells) {
  const fs::path dir = testing::FreshDir("art-convert");
  // Through every kind that keeps colours (the design's own kinds take the width from
  // the name), then through text, which keeps the characters.
  std::string from = kWaiting;
  for (const char* name : {"logo.ans", "logo.xb", "logo-080.bny", "logo-080.bna", "logo-080.bsa",
                           "logo.pop", "logo.BIN", "logo.txt", "plain.bin"}) {
    const std::string to = (dir / name).string();
    const CommandRun r = Tessella("convert " + from + " " + to + " --width 80");
    ASSERT_EQ(r.status, 0) << from << " -> " << to << ": " << r.output;
    from = to;
  }
  const files::ArtDocument original = files::ReadBin(testing::ReadFile(kWaiting));
  const files::ArtDocument back = files::ReadBin(testing::ReadFile(dir / "logo.BIN"));
  const files::ArtDocument plain = files::ReadBin(testing::ReadFile(dir / "plain.bin"));
  ASSERT_EQ(back.cells, original.cells);
  ASSERT_EQ(plain.cells.height(), original.cells.height());
  for (int r = 1; r <= 25; ++r) {
    for (int c = 1; c <= 80; ++c) ASSERT_EQ(plain.cells.ch(r, c), original.cells.ch(r, c)) << r << "," << c;
  }
  ASSERT_TRUE(back.sauce);
  EXPECT_EQ(back.sauce->title, "logo");  // named after the first file written
  EXPECT_EQ(back.sauce->font, "IBM VGA");

  const CommandRun paged = Tessella("convert " + kWaiting + " " + (dir / "half.bin").string() + " --width 40 --pages 1");
  ASSERT_EQ(paged.status, 0) << paged.output;
  EXPECT_EQ(files::ReadBin(testing::ReadFile(dir / "half.bin")).cells.height(), 34);
}

TEST(ArtCommands, RenderDrawsAScreen640By400) {
  if (!files::CanRender()) GTEST_SKIP() << "built without libansilove";
  const fs::path dir = testing::FreshDir("art-render");
  const CommandRun r = Tessella("render " + kWaiting + " -o " + (dir / "waiting.png").string());
  ASSERT_EQ(r.status, 0) << r.output;
  const std::string png = testing::ReadFile(dir / "waiting.png");
  ASSERT_GE(png.size(), 24u);
  EXPECT_EQ(png.substr(12, 12), std::string("IHDR\0\0\x02\x80\0\0\x01\x90", 12));  // 640 x 400
}

TEST(ArtCommands, FailuresNameTheFileSetTheStatusAndWriteNothing) {
  const fs::path dir = testing::FreshDir("art-fail");
  const std::string out = (dir / "out.ans").string();
  std::ofstream(dir / "bad.xb") << "not an xbin";
  std::ofstream(dir / "file") << "a file, not a folder";
  struct Case {
    std::string args;
    int status;
    std::string says;
    std::string target;
  };
  const Case cases[] = {
      {"convert " + (dir / "missing.ans").string() + " " + out, 1, "missing.ans: cannot read", out},
      {"convert " + (dir / "bad.xb").string() + " " + out, 1, "bad.xb: not an XBin file", out},
      {"convert " + kWaiting + " " + (dir / "out.doc").string(), 2, "out.doc: Tessella does not write",
       (dir / "out.doc").string()},
      {"convert " + kWaiting + " " + (dir / "file" / "x.ans").string(), 1, "file", ""},
      {"convert " + kWaiting, 2, "convert wants IN and OUT", ""},
      {"convert " + kWaiting + " " + out + " --width wide", 2, "--width wants a whole number", out},
      {"convert " + kWaiting + " " + out + " --colour 3", 2, "unknown option --colour", out},
      {"render " + kWaiting, 2, files::CanRender() ? "-o OUT.png" : "not in this build", ""},
  };
  for (const Case& c : cases) {
    const CommandRun r = Tessella(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.output;
    EXPECT_NE(r.output.find(c.says), std::string::npos) << c.args << "\n" << r.output;
    if (!c.target.empty()) {
      EXPECT_FALSE(fs::exists(c.target)) << c.args;
    }
  }
  const CommandRun help = Tessella("--help");
  EXPECT_NE(help.output.find("tessella convert IN OUT"), std::string::npos);
  EXPECT_NE(help.output.find("tessella render IN -o OUT.png"), std::string::npos);
  EXPECT_NE(help.output.find(".XB"), std::string::npos);
}

}  // namespace
}  // namespace tessella
