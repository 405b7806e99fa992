// The tessella binary's command line: replay with dumps, exit statuses, help.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "replay_fixture.h"

namespace tessella {
namespace {

using testing::FreshDir;
using testing::ReadFile;

struct Result {
  int status = -1;
  std::string output;  // stdout and stderr together
};

Result RunBinary(const std::string& args, const std::string& prefix = "") {
  Result r;
  const std::string command = prefix + std::string(TESSELLA_BINARY) + " " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  char buffer[256];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) r.output.append(buffer, n);
  const int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ReplayCommandLine, RunsTheScriptAndWritesTheDumps) {
  const auto dir = FreshDir("cli-run");
  WriteText(dir / "script", "# past the title\nkey Space\n\ntype Hi\ndump typed\nkey F3\n");
  const Result r = RunBinary("--replay " + (dir / "script").string() + " --dump " +
                             (dir / "out").string());
  EXPECT_EQ(r.status, 0) << r.output;
  const std::string txt = ReadFile(dir / "out" / "typed.txt");
  EXPECT_EQ(txt.substr(9 * 91 + 39, 2), "Hi");  // row 10, columns 40-41
  EXPECT_NE(ReadFile(dir / "out" / "typed.state").find("cursor_col=42\n"), std::string::npos);
  EXPECT_NE(ReadFile(dir / "out" / "final.state").find("txcolor=2\n"), std::string::npos);
}

TEST(ReplayCommandLine, BadLinesAndMissingFilesStopWithStatusTwo) {
  const auto dir = FreshDir("cli-bad");
  WriteText(dir / "script", "key Space\nclick 3\n");
  Result r = RunBinary("--replay " + (dir / "script").string() + " --dump " + dir.string());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.output.find("line 2"), std::string::npos) << r.output;
  EXPECT_FALSE(std::filesystem::exists(dir / "final.txt"));

  r = RunBinary("--replay " + (dir / "missing").string() + " --dump " + dir.string());
  EXPECT_EQ(r.status, 2);
  r = RunBinary("--replay " + (dir / "script").string());
  EXPECT_EQ(r.status, 2);
  r = RunBinary("--frobnicate");
  EXPECT_EQ(r.status, 2);
}

TEST(ReplayCommandLine, AScriptThatCannotBeReadStopsWithStatusTwoAndSaysWhy) {
  const auto dir = FreshDir("cli-unreadable");
  const std::string dumps = " --dump " + (dir / "out").string();
  Result r = RunBinary("--replay " + dir.string() + dumps);
  EXPECT_EQ(r.status, 2) << r.output;
  EXPECT_NE(r.output.find("cannot read the script " + dir.string() + ": Is a directory"),
            std::string::npos)
      << r.output;

  // Root reads any file, so as root the program is run as nobody to be refused.
  WriteText(dir / "script", "key Space\n");
  std::filesystem::permissions(dir / "script", std::filesystem::perms::none);
  std::string as_user;
  if (getuid() == 0) {
    if (std::system("command -v setpriv >/dev/null 2>&1") != 0) {
      GTEST_SKIP() << "running as root without setpriv";
    }
    as_user = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
  }
  r = RunBinary("--replay " + (dir / "script").string() + dumps, as_user);
  EXPECT_EQ(r.status, 2) << r.output;
  EXPECT_NE(r.output.find("Permission denied"), std::string::npos) << r.output;
  EXPECT_FALSE(std::filesystem::exists(dir / "out"));
}

TEST(ReplayCommandLine, ADumpThatCannotBeWrittenEndsTheRunWithItsReason) {
  const auto dir = FreshDir("cli-dump-fails");
  WriteText(dir / "script", "key Space\ndump middle\ntype x\n");
  WriteText(dir / "not-a-dir", "");
  // Before the fault the run retried the dump for ever; the timeout turns that into
  // a failure instead of a hung suite.
  const Result r = RunBinary("--replay " + (dir / "script").string() + " --dump " +
                                 (dir / "not-a-dir").string(),
                             "timeout 60 ");
  EXPECT_EQ(r.status, 1) << r.output;
  EXPECT_NE(r.output.find("cannot write the dump middle"), std::string::npos) << r.output;
}

TEST(ReplayCommandLine, WithoutATerminalItSaysSoAndEndsWithStatusOne) {
  // Standard output is a pipe here; an abort would show as status -1.
  const Result r = RunBinary("< /dev/null");
  EXPECT_EQ(r.status, 1) << r.output;
  EXPECT_EQ(r.output.rfind("tessella: standard input and output must be a terminal", 0), 0u)
      << r.output;
}

TEST(ReplayCommandLine, HelpAndVersion) {
  Result r = RunBinary("--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.output.find("--replay SCRIPT --dump DIR"), std::string::npos);
  r = RunBinary("--version");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output, "tessella 2.9.0\n");
}

}  // namespace
}  // namespace tessella
