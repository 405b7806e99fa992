// The clipboard hand-off: the file keeps the exact bytes, and the desktop programs get
// them unchanged.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "platform/clipboard_desktop.h"
#include "platform/clipboard_file.h"

namespace tessella::platform {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Every byte the design's texts can hold (1-255), with CR LF line ends.
std::string AllBytes() {
  std::string s;
  for (int b = 1; b < 256; ++b) s += static_cast<char>(b);
  return s + "\r\nsecond line\r\n";
}

class ClipboardFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tessella-clip-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(ClipboardFile, KeepsExactBytesInANewFolder) {
  const fs::path file = dir_ / "deep" / "er" / "clipboard";
  EXPECT_EQ(WriteClipboardFile(file.string(), AllBytes()), "");
  EXPECT_EQ(ReadFile(file), AllBytes());
  // A shorter hand-off replaces the whole file, and no temporary file stays behind.
  EXPECT_EQ(WriteClipboardFile(file.string(), "ab"), "");
  EXPECT_EQ(ReadFile(file), "ab");
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator{}),
            1);
}

TEST_F(ClipboardFile, SaysWhatWentWrong) {
  fs::create_directories(dir_);
  std::ofstream(dir_ / "plain").put('x');
  // A folder where a file is: the parent cannot be created.
  EXPECT_NE(WriteClipboardFile((dir_ / "plain" / "clipboard").string(), "x"), "");
  // A folder in the file's place: the rename fails and the old folder stays.
  fs::create_directories(dir_ / "taken");
  EXPECT_NE(WriteClipboardFile((dir_ / "taken").string(), "x"), "");
  EXPECT_TRUE(fs::is_directory(dir_ / "taken"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}), 2);
}

TEST_F(ClipboardFile, IsPrivateInAPrivateFolderAndKeepsTheModeTheUserGaveIt) {
  const fs::path file = dir_ / "tessella" / "clipboard";
  EXPECT_EQ(WriteClipboardFile(file.string(), "secret"), "");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(fs::status(file.parent_path()).permissions(), fs::perms::owner_all);

  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(WriteClipboardFile(file.string(), "shared"), "");
  EXPECT_EQ(ReadFile(file), "shared");
  EXPECT_EQ(fs::status(file).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ClipboardFile, RefusesAFolderOfAnotherUser) {
  // As root, a folder given to nobody; otherwise /tmp, which is root's.
  fs::path folder = "/tmp";
  if (geteuid() == 0) {
    folder = dir_ / "theirs";
    fs::create_directories(folder);
    ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
  }
  const std::string error = WriteClipboardFile((folder / "tessella-clip-test").string(), "x");
  EXPECT_NE(error.find("belongs to another user"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(folder / "tessella-clip-test"));
}

TEST(ClipboardDesktop, ChoosesTheProgramForTheSessionsDisplay) {
  auto choose = [](std::map<std::string, std::string> env, std::set<std::string> programs) {
    return ChooseClipboardCommand(
        [&](const char* name) -> const char* {
          const auto it = env.find(name);
          return it == env.end() ? nullptr : it->second.c_str();
        },
        [&](const std::string& p) { return programs.count(p) > 0; });
  };
  using Args = std::vector<std::string>;
  const std::set<std::string> all = {"wl-copy", "xclip", "xsel"};
  EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, all), Args{"wl-copy"});
  EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, {"xclip"}),
            (Args{"xclip", "-selection", "clipboard", "-in"}));
  EXPECT_EQ(choose({{"DISPLAY", ":0"}}, {"xsel", "wl-copy"}),
            (Args{"xsel", "--clipboard", "--input"}));
  EXPECT_EQ(choose({{"DISPLAY", ""}}, all), Args{});
  EXPECT_EQ(choose({}, all), Args{});
}

TEST(ClipboardDesktop, Osc52CarriesTheBytesInBase64) {
  EXPECT_EQ(Base64(""), "");
  EXPECT_EQ(Base64("f"), "Zg==");
  EXPECT_EQ(Base64("fo"), "Zm8=");
  EXPECT_EQ(Base64("foo"), "Zm9v");
  EXPECT_EQ(Base64("foob"), "Zm9vYg==");
  EXPECT_EQ(Base64("\xff\xfe\xb0\r\n"), "//6wDQo=");
  EXPECT_EQ(Osc52("Hi"), "\x1b]52;c;SGk=\a");
}

// A pasting program stops at the first zero byte; the desktop gets a blank there, and
// every other byte as it stands.
TEST(ClipboardDesktop, AZeroByteReachesTheDesktopAsABlank) {
  EXPECT_EQ(DesktopClipboardText(std::string("\0A\x07\0\0\r\n", 7)), " A\x07  \r\n");
  EXPECT_EQ(DesktopClipboardText(AllBytes()), AllBytes());
}

TEST(ClipboardDesktop, CommandGetsTheBytesAndIsNeverWaitedForLong) {
  const fs::path out = fs::temp_directory_path() / ("tessella-run-" + std::to_string(getpid()));
  EXPECT_TRUE(RunClipboardCommand({"sh", "-c", "cat > " + out.string()}, AllBytes(), 5000));
  EXPECT_EQ(ReadFile(out), AllBytes());
  fs::remove(out);

  EXPECT_FALSE(RunClipboardCommand({"sh", "-c", "exit 3"}, "x", 5000));
  EXPECT_FALSE(RunClipboardCommand({"tessella-no-such-program"}, "x", 5000));
  // A program that neither reads nor exits is killed at the deadline, and reaped.
  EXPECT_FALSE(RunClipboardCommand({"sleep", "30"}, std::string(1 << 20, 'x'), 200));
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child was left behind";
}

// A private X server for the real clipboard programs.
class Xvfb {
 public:
  Xvfb() {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(fds[1], 3);
      const int null_fd = open("/dev/null", O_RDWR);
      dup2(null_fd, 1);
      dup2(null_fd, 2);
      execlp("Xvfb", "Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-noreset", "-screen", "0", "320x200x24",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    // Xvfb writes the display number it chose, then a newline, once it accepts
    // clients. Closing the pipe before the newline would make it give up.
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    char c = 0;
    while (pid_ > 0 && poll(&p, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') {
      number += c;
    }
    if (c == '\n' && !number.empty()) display_ = ":" + number;
    close(fds[0]);
  }
  ~Xvfb() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

TEST(ClipboardDesktop, XclipUnderXvfbHandsOverTheExactBytes) {
  if (system("command -v xclip >/dev/null 2>&1 && command -v Xvfb >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "needs xclip and Xvfb installed";
  }
  Xvfb x;
  ASSERT_FALSE(x.display().empty()) << "Xvfb did not start";
  const char* old_display = std::getenv("DISPLAY");
  const std::string saved = old_display ? old_display : "";
  setenv("DISPLAY", x.display().c_str(), 1);
  unsetenv("WAYLAND_DISPLAY");

  const std::vector<std::string> command = DesktopClipboardCommand();
  ASSERT_FALSE(command.empty());
  EXPECT_EQ(command[0], "xclip");
  EXPECT_TRUE(RunClipboardCommand(command, AllBytes(), 5000));

  // xclip serves the selection from a helper it starts as it exits, so the helper may
  // need a moment to own the clipboard.
  std::string back;
  for (int attempt = 0; attempt < 40 && back.empty(); ++attempt) {
    if (attempt > 0) usleep(50 * 1000);
    if (FILE* p = popen("xclip -o -selection clipboard 2>/dev/null", "r")) {
      char buf[512];
      std::size_t n = 0;
      while ((n = fread(buf, 1, sizeof buf, p)) > 0) back.append(buf, n);
      pclose(p);
    }
  }
  EXPECT_EQ(back, AllBytes());

  if (old_display) {
    setenv("DISPLAY", saved.c_str(), 1);
  } else {
    unsetenv("DISPLAY");
  }
}

}  // namespace
}  // namespace tessella::platform
