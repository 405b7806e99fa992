// The atomic file writer: whole files or none, modes kept, and no planted name or
// failure can make it write elsewhere or leave debris.
#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tessella::platform {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const fs::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary) << text;
}

mode_t ModeOf(const fs::path& p) {
  struct stat st {};
  lstat(p.c_str(), &st);
  return st.st_mode & 0777;
}

class AtomicFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tessella-atomic-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  fs::path dir_;
};

TEST_F(AtomicFile, WritesTheBytesWithTheNewModeThenKeepsTheModeOfTheFileItReplaces) {
  const fs::path file = dir_ / "design.bny";
  const std::string bytes("\0\x01\xff\r\nall 256\x1a", 12);
  EXPECT_EQ(WriteFileAtomically(file, bytes, 0640), "");
  EXPECT_EQ(ReadFile(file), bytes);
  EXPECT_EQ(ModeOf(file), 0640u);  // as given, whatever the umask

  chmod(file.c_str(), 0604);
  EXPECT_EQ(WriteFileAtomically(file, "short", 0600), "");
  EXPECT_EQ(ReadFile(file), "short");
  EXPECT_EQ(ModeOf(file), 0604u);
  EXPECT_EQ(Names(), std::set<std::string>{"design.bny"});
}

TEST_F(AtomicFile, ANamePlantedWhereTheTemporaryFileGoesCannotRedirectTheWrite) {
  const fs::path victim = dir_ / "victim";
  const fs::path file = dir_ / "clipboard";
  WriteFile(victim, "precious");
  WriteFile(file, "old");
  fs::create_symlink(victim, dir_ / ".planted");

  // The planted name is passed over for the next one.
  const std::vector<std::string> names = {".planted", ".free"};
  EXPECT_EQ(WriteFileAtomically(file, "new", 0600, [&](int i) { return names.at(i); }), "");
  EXPECT_EQ(ReadFile(file), "new");
  EXPECT_EQ(ReadFile(victim), "precious");
  EXPECT_TRUE(fs::is_symlink(dir_ / ".planted"));

  // Every name taken: the write fails, and touches neither file.
  const std::string error =
      WriteFileAtomically(file, "newer", 0600, [](int) { return std::string(".planted"); });
  EXPECT_NE(error.find(dir_.string()), std::string::npos) << error;
  EXPECT_EQ(ReadFile(file), "new");
  EXPECT_EQ(ReadFile(victim), "precious");
  EXPECT_EQ(Names(), (std::set<std::string>{".planted", "clipboard", "victim"}));
}

TEST_F(AtomicFile, AFailureLeavesTheOldFileWholeAndNoTemporaryFile) {
  const fs::path file = dir_ / "design.bny";
  WriteFile(file, "the old design");

  // The disk fills up halfway (a file size limit does the same, without the disk).
  struct sigaction ignore {};
  struct sigaction before_signal {};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGXFSZ, &ignore, &before_signal);
  rlimit before_limit{};
  getrlimit(RLIMIT_FSIZE, &before_limit);
  rlimit small = before_limit;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const std::string full = WriteFileAtomically(file, std::string(100000, 'x'), 0600);
  setrlimit(RLIMIT_FSIZE, &before_limit);
  sigaction(SIGXFSZ, &before_signal, nullptr);
  EXPECT_EQ(full.rfind("cannot write " + file.string() + ": ", 0), 0u) << full;
  EXPECT_EQ(ReadFile(file), "the old design");
  EXPECT_EQ(Names(), std::set<std::string>{"design.bny"});

  // A folder where the file should go: the rename fails and the folder stays.
  fs::create_directories(dir_ / "taken" / "inside");
  const std::string taken = WriteFileAtomically(dir_ / "taken", "x", 0600);
  EXPECT_EQ(taken.rfind("cannot replace", 0), 0u) << taken;
  EXPECT_TRUE(fs::is_directory(dir_ / "taken" / "inside"));
  EXPECT_EQ(Names(), (std::set<std::string>{"design.bny", "taken"}));

  // No folder at all.
  const std::string missing = WriteFileAtomically(dir_ / "no" / "file", "x", 0600);
  EXPECT_NE(missing.find(dir_.string() + "/no"), std::string::npos) << missing;
}

}  // namespace
}  // namespace tessella::platform
