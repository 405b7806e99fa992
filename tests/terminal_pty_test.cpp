// The real program in a real pseudo-terminal (a tmux pane): it draws, takes keys and
// clicks, follows a window resize, fits a small terminal, draws without UTF-8, stops
// and continues, and however it ends leaves the terminal as it found it. A bare
// pseudo-terminal plays a window that takes the size request, as xterm does.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& s) {
  std::string out = "'";
  for (const char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string Shell(const std::string& command) {
  std::string out;
  FILE* p = popen((command + " 2>/dev/null").c_str(), "r");
  if (p == nullptr) return out;
  char buf[4096];
  std::size_t n = 0;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  pclose(p);
  return out;
}

// A tmux server of its own, so the test neither sees nor disturbs the user's sessions.
class Tmux {
 public:
  // One server per test: a new server on a socket whose old server is still going
  // down could refuse the session.
  Tmux() : base_("tmux -L " + SocketName() + " -f /dev/null ") {}
  ~Tmux() { Shell(base_ + "kill-server"); }

  std::string operator()(const std::string& args) const { return Shell(base_ + args); }
  std::string Screen() const { return (*this)("capture-pane -p -t t"); }
  std::string LastLine() const {
    std::string s = Screen();
    while (!s.empty() && s.back() == '\n') s.pop_back();
    return s.substr(s.rfind('\n') + 1);
  }

  // Polls until the condition holds or a few seconds pass.
  bool WaitFor(const std::function<bool()>& ok) const {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    while (std::chrono::steady_clock::now() < end) {
      if (ok()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return ok();
  }
  bool WaitForText(const std::string& text) const {
    return WaitFor([&] { return Screen().find(text) != std::string::npos; });
  }
  // The picture with its colours once it has stopped changing for a while.
  std::string SettledPicture() const {
    std::string last = (*this)("capture-pane -p -e -t t");
    WaitFor([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(250));
      std::string now = (*this)("capture-pane -p -e -t t");
      std::swap(now, last);
      return now == last;
    });
    return last;
  }

 private:
  static std::string SocketName() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "tessella-pty-" + std::to_string(getpid()) + "-" +
                       (test ? std::string(test->name()) : std::string());
    for (char& c : name) {
      if (!isalnum(static_cast<unsigned char>(c)) && c != '-') c = '-';
    }
    return name;
  }

  std::string base_;
};

// A pane's picture, read from capture-pane -e: per cell the character and background,
// and the foreground of cells that show a character (a blank's is invisible, and
// terminals that erase in the background colour give erased cells their own).
std::string VisiblePicture(const std::string& capture) {
  std::string out;
  int fg = 39;
  int bg = 49;
  std::size_t i = 0;
  while (i < capture.size()) {
    if (capture.compare(i, 2, "\x1b[") == 0) {
      const std::size_t end = capture.find('m', i);
      if (end == std::string::npos) break;
      std::size_t at = i + 2;
      while (at < end) {
        const int n = std::atoi(capture.c_str() + at);
        if (n == 0) fg = 39, bg = 49;
        if ((n >= 30 && n <= 39) || (n >= 90 && n <= 97)) fg = n;
        if ((n >= 40 && n <= 49) || (n >= 100 && n <= 107)) bg = n;
        at = capture.find(';', at);
        at = at == std::string::npos || at > end ? end : at + 1;
      }
      i = end + 1;
      continue;
    }
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(capture[i]);
    if (lead >= 0xF0) length = 4; else if (lead >= 0xE0) length = 3; else if (lead >= 0xC0) length = 2;
    const std::string glyph = capture.substr(i, length);
    out += glyph == "\n" ? glyph
                         : glyph + "/" + std::to_string(bg) +
                               (glyph == " " ? std::string() : "/" + std::to_string(fg)) + " ";
    i += length;
  }
  return out;
}

// A scratch home for the program, and a shell in a pane (90 x 35, UTF-8 unless a
// test says otherwise) to start it from.
class TerminalPty : public ::testing::Test {
 protected:
  void SetUp() override {
    if (Shell("command -v tmux").empty()) GTEST_SKIP() << "tmux is not installed";
    home_ = fs::temp_directory_path() / ("tessella-pty-" + std::to_string(getpid()));
    fs::create_directories(home_);
    tmux_("new-session -d -s t -x " + std::to_string(cols_) + " -y " + std::to_string(rows_) +
          " -c " + Quote(home_.string()) + " " +
          Quote("env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LC_CTYPE HOME=" +
                home_.string() + " LANG=" + lang_ + " TERM=tmux-256color PS1='READY$ ' sh"));
    ASSERT_TRUE(tmux_.WaitForText("READY$")) << tmux_.Screen();
  }
  void TearDown() override {
    if (!home_.empty()) fs::remove_all(home_);
  }

  // Starts the program (without core files), with `env` settings before it, and waits
  // for its title picture.
  void StartProgram(const std::string& env = "") {
    tmux_("send-keys -t t -l " + Quote("ulimit -c 0; " + env + TESSELLA_BINARY));
    tmux_("send-keys -t t Enter");
    ASSERT_TRUE(tmux_.WaitForText("Creates Text Screens")) << tmux_.Screen();
    EXPECT_EQ(tmux_("display -p -t t '#{alternate_on}#{mouse_sgr_flag}'"), "11\n");
  }

  // The program's process id, a child of the pane's shell.
  pid_t ProgramPid() {
    const std::string shell_pid = tmux_("display -p -t t '#{pane_pid}'");
    const std::string children =
        Shell("cat /proc/" + shell_pid.substr(0, shell_pid.size() - 1) + "/task/*/children");
    return static_cast<pid_t>(std::atoi(children.c_str()));
  }

  bool ToolbarOnLastLine() {
    return tmux_.WaitFor([&] { return tmux_.LastLine().find("ColChart") != std::string::npos; });
  }

  // Waits for the shell to be back in front, then asks it how the program ended.
  std::string ExitStatus() {
    // Typing on before the program is gone could be flushed by its terminal restore.
    EXPECT_TRUE(tmux_.WaitFor(
        [&] { return tmux_("display -p -t t '#{pane_current_command}'") == "sh\n"; }));
    tmux_("send-keys -t t -l 'echo exit=$?'");
    tmux_("send-keys -t t Enter");
    std::string status;
    tmux_.WaitFor([&] {
      const std::string screen = tmux_.Screen();
      const std::size_t at = screen.rfind("exit=");
      if (at == std::string::npos || at + 5 >= screen.size() || !isdigit(screen[at + 5])) {
        return false;
      }
      status = screen.substr(at + 5, screen.find('\n', at) - at - 5);
      return true;
    });
    return status;
  }

  // The terminal modes the program changes are all back to the shell's.
  void ExpectTerminalRestored() {
    EXPECT_EQ(tmux_("display -p -t t '#{mouse_any_flag}#{mouse_sgr_flag}'"), "00\n");
    EXPECT_EQ(tmux_("display -p -t t '#{alternate_on}'"), "0\n");
    EXPECT_EQ(tmux_("display -p -t t '#{cursor_flag}#{wrap_flag}'"), "11\n");
    EXPECT_EQ(tmux_("display -p -t t '#{keypad_cursor_flag}#{keypad_flag}'"), "00\n");
    EXPECT_NE(tmux_.Screen().find("READY$ ulimit -c 0; "), std::string::npos)
        << "the shell's screen is shown again";
  }

  int cols_ = 90;
  int rows_ = 35;
  std::string lang_ = "C.UTF-8";
  fs::path home_;
  Tmux tmux_;
};

TEST_F(TerminalPty, TakesKeysClicksAndResizesAndRestoresTheTerminalOnFileExit) {
  StartProgram();
  tmux_("send-keys -t t x");  // the title picture waits for a key
  ASSERT_TRUE(
      tmux_.WaitFor([&] { return tmux_.LastLine().find("ColChart") != std::string::npos; }))
      << tmux_.Screen();

  // Two left clicks on the work area choose an area, as the terminal reports them.
  tmux_("send-keys -t t -l " + Quote("\x1b[<0;10;5M\x1b[<0;10;5m\x1b[<0;20;8M\x1b[<0;20;8m"));

  // A smaller window shows what fits and the size needed; the old size brings the
  // toolbar back to the last line.
  tmux_("resize-window -t t -x 80 -y 24");
  EXPECT_TRUE(tmux_.WaitForText("needs 90x35")) << tmux_.Screen();
  tmux_("resize-window -t t -x 90 -y 35");
  EXPECT_TRUE(
      tmux_.WaitFor([&] { return tmux_.LastLine().find("ColChart") != std::string::npos; }))
      << tmux_.Screen();

  // Ctrl-C is a key like the other Ctrl-letters: it types character 3, a heart.
  tmux_("send-keys -t t Home C-c");
  EXPECT_TRUE(tmux_.WaitFor([&] { return tmux_.Screen().rfind("\u2665", 0) == 0; }))
      << tmux_.Screen();

  // File, Exit, answered y: a right click opens the menu bar, a click on File drops
  // its menu, a click on its fifth item (row 12) asks, and y ends the program.
  tmux_("send-keys -t t -l " + Quote("\x1b[<2;40;20M\x1b[<2;40;20m"));
  EXPECT_TRUE(tmux_.WaitForText("Boxes")) << tmux_.Screen();
  tmux_("send-keys -t t -l " + Quote("\x1b[<0;5;2M\x1b[<0;5;2m"));
  EXPECT_TRUE(tmux_.WaitForText("Save Part")) << tmux_.Screen();
  tmux_("send-keys -t t -l " + Quote("\x1b[<0;5;12M\x1b[<0;5;12m"));
  EXPECT_TRUE(tmux_.WaitForText("Are you sure?")) << tmux_.Screen();
  tmux_("send-keys -t t y");
  EXPECT_EQ(ExitStatus(), "0");
  ExpectTerminalRestored();
}

// A terminal that stays at 80 x 24 (tmux ignores the size request) gets a console of
// its size, with the toolbar on its last line; Tab is the way into the menus.
class TerminalPtySmall : public TerminalPty {
 public:
  TerminalPtySmall() {
    cols_ = 80;
    rows_ = 24;
  }
};

TEST_F(TerminalPtySmall, FitsTheConsoleAndReachesFileExitByKeysAlone) {
  StartProgram();
  tmux_("send-keys -t t x");
  ASSERT_TRUE(ToolbarOnLastLine()) << tmux_.Screen();
  EXPECT_NE(tmux_.LastLine().find("Row10 Col40"), std::string::npos) << tmux_.LastLine();
  EXPECT_EQ(tmux_.Screen().find("needs"), std::string::npos);

  tmux_("send-keys -t t Tab");
  EXPECT_TRUE(tmux_.WaitForText("Boxes")) << tmux_.Screen();
  tmux_("send-keys -t t Down Down Down Down Down Enter");
  EXPECT_TRUE(tmux_.WaitForText("Are you sure?")) << tmux_.Screen();
  tmux_("send-keys -t t y");
  EXPECT_EQ(ExitStatus(), "0");
  ExpectTerminalRestored();
}

// A menu survives a terminal shrunk to 20 x 60 and grown back: the smaller picture says
// what size is needed, the old one comes back whole, and nothing typed is lost.
TEST_F(TerminalPty, AMenuOutlivesATerminalShrunkAndGrownBack) {
  StartProgram();
  tmux_("send-keys -t t x");
  ASSERT_TRUE(ToolbarOnLastLine()) << tmux_.Screen();
  tmux_("send-keys -t t -l hello");
  ASSERT_TRUE(tmux_.WaitFor([&] { return tmux_.LastLine().find("Col45") != std::string::npos; }))
      << tmux_.Screen();
  tmux_("send-keys -t t Tab");
  ASSERT_TRUE(tmux_.WaitForText("Boxes")) << tmux_.Screen();
  tmux_("send-keys -t t Down");  // File's menu drops
  ASSERT_TRUE(tmux_.WaitForText("Save Part")) << tmux_.Screen();
  const std::string menu = tmux_.SettledPicture();

  tmux_("resize-window -t t -x 60 -y 20");
  EXPECT_TRUE(tmux_.WaitFor([&] { return tmux_.LastLine().find("needs 90x35") != std::string::npos; }))
      << tmux_.Screen();
  tmux_("resize-window -t t -x 90 -y 35");
  EXPECT_TRUE(tmux_.WaitFor([&] { return tmux_("capture-pane -p -e -t t") == menu; }))
      << tmux_.Screen();

  // The menu still takes keys; closed, it leaves the typing where it was.
  tmux_("send-keys -t t Escape");
  EXPECT_TRUE(tmux_.WaitFor([&] { return tmux_.Screen().find("Save Part") == std::string::npos; }))
      << tmux_.Screen();
  EXPECT_NE(tmux_.Screen().find("hello"), std::string::npos) << tmux_.Screen();
  kill(ProgramPid(), SIGTERM);
  EXPECT_EQ(ExitStatus(), std::to_string(128 + SIGTERM));
  ExpectTerminalRestored();
}

// Every common TERM: the program starts, draws, and leaves by File, Exit with the
// terminal as it was. Its picture, colours included, is the one it draws under tmux's
// own TERM, however the strings differ: where the terminal's erase fills with the
// background (xterm, linux) rows end in erases, elsewhere in blanks.
class TerminalPtyTerm : public TerminalPty, public ::testing::WithParamInterface<const char*> {
 protected:
  // Runs the program under TERM=term to its end; gives its picture once "Hi" is typed.
  std::string PictureUnder(const std::string& term) {
    StartProgram("TERM=" + term + " ");
    tmux_("send-keys -t t x");
    EXPECT_TRUE(ToolbarOnLastLine()) << term << "\n" << tmux_.Screen();
    tmux_("send-keys -t t -l Hi");
    EXPECT_TRUE(
        tmux_.WaitFor([&] { return tmux_.LastLine().find("Col42") != std::string::npos; }))
        << term << "\n" << tmux_.Screen();
    const std::string picture = VisiblePicture(tmux_.SettledPicture());
    tmux_("send-keys -t t Tab");
    EXPECT_TRUE(tmux_.WaitForText("Boxes")) << term << "\n" << tmux_.Screen();
    tmux_("send-keys -t t Down Down Down Down Down Enter");
    EXPECT_TRUE(tmux_.WaitForText("Are you sure?")) << term << "\n" << tmux_.Screen();
    tmux_("send-keys -t t y");
    EXPECT_EQ(ExitStatus(), "0") << term;
    ExpectTerminalRestored();
    return picture;
  }
};

TEST_P(TerminalPtyTerm, StartsDrawsAndLeavesCleanly) {
  const std::string reference = PictureUnder("tmux-256color");
  if (std::string_view(GetParam()) == "tmux-256color") return;
  EXPECT_EQ(PictureUnder(GetParam()), reference) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(CommonTerminals, TerminalPtyTerm,
                         ::testing::Values("tmux-256color", "xterm", "xterm-256color",
                                           "screen-256color", "linux"));

// Without a UTF-8 locale every glyph is one character: boxes in the terminal's
// line-drawing set (tmux shows them by their VT100 names), other glyphs in ASCII.
class TerminalPtyAscii : public TerminalPty {
 public:
  TerminalPtyAscii() { lang_ = "C"; }
};

TEST_F(TerminalPtyAscii, DrawsOneCharacterPerCellWithTheTerminalsLineDrawing) {
  StartProgram();
  const std::string screen = tmux_.Screen();
  EXPECT_EQ(screen.rfind("lqqqq", 0), 0u) << screen;  // the title's frame, top-left corner
  for (const char c : screen) ASSERT_EQ(c & 0x80, 0) << screen;
  // The layout is whole: every text stands in its own cells.
  EXPECT_NE(screen.find("x           Runs in a terminal           x"), std::string::npos)
      << screen;
  tmux_("send-keys -t t x");
  ASSERT_TRUE(ToolbarOnLastLine()) << tmux_.Screen();
  EXPECT_EQ(tmux_.LastLine().find("Undo ASCII"), 80u) << tmux_.LastLine();
  kill(ProgramPid(), SIGTERM);
  EXPECT_EQ(ExitStatus(), std::to_string(128 + SIGTERM));
  ExpectTerminalRestored();
}

TEST_F(TerminalPty, RefusesATerminalThatCannotPlaceTheCursor) {
  tmux_("send-keys -t t -l " + Quote(std::string("TERM=dumb ") + TESSELLA_BINARY));
  tmux_("send-keys -t t Enter");
  EXPECT_EQ(ExitStatus(), "1");
  EXPECT_TRUE(tmux_.WaitForText("TERM=dumb cannot place the cursor")) << tmux_.Screen();
}

// SIGTSTP gives the shell its terminal back; after fg the program has its modes and
// its picture again. SIGQUIT then ends it with the terminal restored.
TEST_F(TerminalPty, StopsAndContinuesWithTheTerminalHandedBackAndForth) {
  StartProgram();
  tmux_("send-keys -t t x");
  ASSERT_TRUE(ToolbarOnLastLine()) << tmux_.Screen();
  const pid_t program = ProgramPid();
  ASSERT_GT(program, 0) << "no program under the shell";

  kill(program, SIGTSTP);
  EXPECT_TRUE(tmux_.WaitFor(
      [&] { return tmux_("display -p -t t '#{pane_current_command}'") == "sh\n"; }));
  ExpectTerminalRestored();

  tmux_("send-keys -t t -l fg");
  tmux_("send-keys -t t Enter");
  EXPECT_TRUE(tmux_.WaitFor([&] {
    return tmux_("display -p -t t '#{alternate_on}#{mouse_sgr_flag}'") == "11\n";
  }));
  ASSERT_TRUE(ToolbarOnLastLine()) << tmux_.Screen();  // painted again
  tmux_("send-keys -t t -l hi");  // keys are read raw again, typed at the cursor
  EXPECT_TRUE(tmux_.WaitFor([&] { return tmux_.LastLine().find("Col42") != std::string::npos; }))
      << tmux_.Screen();

  kill(program, SIGQUIT);
  EXPECT_EQ(ExitStatus(), std::to_string(128 + SIGQUIT));
  ExpectTerminalRestored();
}

// Signals from outside, and faults, end the program the way the signal would, with the
// terminal restored first. One that comes in the middle of saving a 1,000-page design
// leaves the old file whole or the new one whole, and no temporary file.
struct EndingSignal {
  int signal;
  bool during_save = false;
};

void PrintTo(const EndingSignal& s, std::ostream* out) {
  *out << strsignal(s.signal) << (s.during_save ? " during a save" : "");
}

class TerminalPtySignal : public TerminalPty, public ::testing::WithParamInterface<EndingSignal> {
 protected:
  static constexpr std::size_t kPageBytes = 34 * 90 * 4;

  // DESIGN.BNA in the home folder: 1,000 pages of dots, "SAVED-DESIGN" at the top.
  std::string WriteDesign() {
    std::string bytes;
    bytes.reserve(kPageBytes * 1000);
    for (std::size_t cell = 0; cell < kPageBytes * 1000 / 4; ++cell)
      bytes += {cell < 12 ? "SAVED-DESIGN"[cell] : '.', ' ', '\x1F', ' '};
    std::ofstream(home_ / "DESIGN.BNA", std::ios::binary) << bytes;
    return bytes;
  }

  // Opens the design, types X on its first page and saves it again; the signal goes to
  // the program as soon as the save's temporary file appears.
  void SignalDuringSave(pid_t program, int sig) {
    tmux_("send-keys -t t x");
    ASSERT_TRUE(ToolbarOnLastLine()) << tmux_.Screen();
    tmux_("send-keys -t t M-o");
    ASSERT_TRUE(tmux_.WaitForText("Folder:")) << tmux_.Screen();
    tmux_("send-keys -t t -l DESIGN.BNA");
    tmux_("send-keys -t t Enter");
    ASSERT_TRUE(tmux_.WaitFor([&] { return tmux_.Screen().rfind("SAVED-DESIGN", 0) == 0; }))
        << tmux_.Screen();
    tmux_("send-keys -t t X");
    ASSERT_TRUE(tmux_.WaitForText("X.")) << tmux_.Screen();

    const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    inotify_add_watch(watch, home_.c_str(), IN_CREATE);
    tmux_("send-keys -t t M-s");
    bool signalled = false;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    while (!signalled && std::chrono::steady_clock::now() < end) {
      pollfd p{watch, POLLIN, 0};
      if (poll(&p, 1, 50) <= 0) continue;
      alignas(inotify_event) char events[4096];
      const ssize_t n = read(watch, events, sizeof events);
      for (ssize_t at = 0; at < n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(events + at);
        if (!signalled && event->len > 0 && std::string_view(event->name).starts_with(".tessella-")) {
          kill(program, sig);
          signalled = true;
        }
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    close(watch);
    EXPECT_TRUE(signalled) << "the save never began";
  }

  // The file is the old one, or the old one with X in one cell of page 1; nothing else
  // was left in the folder.
  void ExpectOldOrNewWhole(const std::string& old) {
    std::string now;
    std::ifstream in(home_ / "DESIGN.BNA", std::ios::binary);
    now.assign(std::istreambuf_iterator<char>(in), {});
    ASSERT_EQ(now.size(), old.size()) << "the file is not whole";
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < now.size(); ++i) {
      if (now[i] != old[i]) changed.push_back(i);
    }
    if (!changed.empty()) {
      EXPECT_LE(changed.size(), 4u);
      EXPECT_LT(changed.back(), kPageBytes);
      EXPECT_EQ(now[changed.front()], 'X');
    }
    for (const auto& entry : fs::directory_iterator(home_))
      EXPECT_FALSE(entry.path().filename().string().starts_with(".tessella-")) << entry.path();
  }
};

TEST_P(TerminalPtySignal, RestoresTheTerminalAndEndsAsTheSignalWould) {
  const auto [sig, during_save] = GetParam();
  const std::string old = during_save ? WriteDesign() : std::string();
  StartProgram();
  const pid_t program = ProgramPid();
  ASSERT_GT(program, 0) << "no program under the shell";
  if (during_save) {
    SignalDuringSave(program, sig);
  } else {
    kill(program, sig);
  }
  EXPECT_EQ(ExitStatus(), std::to_string(128 + sig));
  ExpectTerminalRestored();
  if (during_save) ExpectOldOrNewWhole(old);
}

INSTANTIATE_TEST_SUITE_P(EndingAndFatal, TerminalPtySignal,
                         ::testing::Values(EndingSignal{SIGINT}, EndingSignal{SIGTERM},
                                           EndingSignal{SIGHUP}, EndingSignal{SIGPIPE},
                                           EndingSignal{SIGUSR1}, EndingSignal{SIGSEGV},
                                           EndingSignal{SIGABRT}, EndingSignal{SIGTERM, true},
                                           EndingSignal{SIGHUP, true}, EndingSignal{SIGINT, true}));

// A window that takes the size request at once, as xterm does, played by a bare
// pseudo-terminal: the test reads what the program sends and resizes the terminal
// when asked.
class ResizingWindow {
 public:
  ResizingWindow(int rows, int cols) {
    const winsize ws{static_cast<unsigned short>(rows), static_cast<unsigned short>(cols), 0, 0};
    pid_ = forkpty(&master_, nullptr, nullptr, &ws);
    if (pid_ == 0) {
      execle(TESSELLA_BINARY, TESSELLA_BINARY, static_cast<char*>(nullptr),
             std::array<const char*, 4>{"TERM=xterm", "LANG=C.UTF-8",
                                        "TESSELLA_CLIPBOARD=/dev/null/none", nullptr}
                 .data());
      _exit(127);
    }
  }
  ~ResizingWindow() {
    if (pid_ > 0) kill(pid_, SIGKILL);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
    close(master_);
  }

  void Type(std::string_view keys) const {
    [[maybe_unused]] const ssize_t n = write(master_, keys.data(), keys.size());
  }
  // Reads for up to ms milliseconds, or until `text` has been sent, taking every size
  // request; gives what was sent meanwhile.
  std::string Read(int ms, std::string_view text = {}) {
    const std::size_t before = output_.size();
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end &&
           (text.empty() || output_.find(text) == std::string::npos)) {
      pollfd p{master_, POLLIN, 0};
      char buf[4096];
      if (poll(&p, 1, 10) <= 0) continue;
      const ssize_t n = read(master_, buf, sizeof buf);
      if (n <= 0) break;  // the program has gone
      output_.append(buf, static_cast<std::size_t>(n));
      int rows = 0;
      int cols = 0;
      const std::size_t at = output_.rfind("\x1b[8;");
      if (at != std::string::npos &&
          std::sscanf(output_.c_str() + at, "\x1b[8;%d;%dt", &rows, &cols) == 2) {
        const winsize ws{static_cast<unsigned short>(rows), static_cast<unsigned short>(cols), 0,
                         0};
        ioctl(master_, TIOCSWINSZ, &ws);
      }
    }
    return output_.substr(before);
  }
  const std::string& output() const { return output_; }
  pid_t pid() const { return pid_; }
  int Status() {
    Read(4000);  // to the end of what it sends
    int raw = 0;
    waitpid(pid_, &raw, 0);
    pid_ = -1;
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

 private:
  int master_ = -1;
  pid_t pid_ = -1;
  std::string output_;
};

TEST(TerminalWindowSize, AskedOnceTakenAndGivenBackAtTheEnd) {
  ResizingWindow window(24, 80);
  ASSERT_GT(window.pid(), 0);
  window.Read(4000, "Creates Text Screens");
  window.Type("x");
  ASSERT_NE(window.Read(4000, "Undo ASCII").find("Undo ASCII"), std::string::npos)
      << window.output();
  // A SIGWINCH that changes nothing sends nothing.
  window.Read(100);
  kill(window.pid(), SIGWINCH);
  EXPECT_EQ(window.Read(300), "");

  // File, Exit by keys.
  window.Type("\t\x1b[B\x1b[B\x1b[B\x1b[B\x1b[B\r");
  ASSERT_NE(window.Read(4000, "Are you sure?").find("Are you sure?"), std::string::npos);
  window.Type("y");
  EXPECT_EQ(window.Status(), 0);
  const std::string& out = window.output();
  EXPECT_EQ(out.find("\x1b[8;35;90t"), out.rfind("\x1b[8;35;90t")) << "asked once";
  // The old size comes back after the shell's screen.
  EXPECT_GT(out.rfind("\x1b[8;24;80t"), out.rfind("\x1b[?1049l"));
}

}  // namespace
