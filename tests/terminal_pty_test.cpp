// The real program in a real pseudo-terminal (a tmux pane): it draws, takes keys and
// clicks, follows a window resize, and on Ctrl-C leaves the terminal as it found it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

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
  Tmux() : base_("tmux -L tessella-pty-" + std::to_string(getpid()) + " -f /dev/null ") {}
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

 private:
  std::string base_;
};

TEST(TerminalPty, RunsInTmuxAndRestoresTheTerminalOnCtrlC) {
  if (Shell("command -v tmux").empty()) GTEST_SKIP() << "tmux is not installed";
  const fs::path home = fs::temp_directory_path() / ("tessella-pty-" + std::to_string(getpid()));
  fs::create_directories(home);

  Tmux tmux;
  tmux("new-session -d -s t -x 90 -y 35 -c " + Quote(home.string()) + " " +
       Quote("env -u DISPLAY -u WAYLAND_DISPLAY HOME=" + home.string() +
             " TERM=tmux-256color PS1='READY$ ' sh"));
  ASSERT_TRUE(tmux.WaitForText("READY$")) << tmux.Screen();
  tmux("send-keys -t t -l " + Quote(TESSELLA_BINARY));
  tmux("send-keys -t t Enter");

  ASSERT_TRUE(tmux.WaitForText("Creates Text Screens")) << tmux.Screen();
  EXPECT_EQ(tmux("display -p -t t '#{alternate_on}#{mouse_sgr_flag}'"), "11\n");
  tmux("send-keys -t t x");  // the title picture waits for a key
  ASSERT_TRUE(tmux.WaitFor([&] { return tmux.LastLine().find("ColChart") != std::string::npos; }))
      << tmux.Screen();

  // A left click on the work area, as the terminal reports it.
  tmux("send-keys -t t -l " + Quote("\x1b[<0;10;5M\x1b[<0;10;5m"));

  // A smaller window shows what fits and the size needed; the old size brings the
  // toolbar back to the last line.
  tmux("resize-window -t t -x 80 -y 24");
  EXPECT_TRUE(tmux.WaitForText("needs 90x35")) << tmux.Screen();
  tmux("resize-window -t t -x 90 -y 35");
  EXPECT_TRUE(tmux.WaitFor([&] { return tmux.LastLine().find("ColChart") != std::string::npos; }))
      << tmux.Screen();

  tmux("send-keys -t t C-c");
  // Typing on before the program is gone could be flushed by its terminal restore.
  EXPECT_TRUE(tmux.WaitFor([&] { return tmux("display -p -t t '#{pane_current_command}'") == "sh\n"; }));
  tmux("send-keys -t t -l 'echo exit=$?'");
  tmux("send-keys -t t Enter");
  // 130: ended by SIGINT, as the shell reports it.
  EXPECT_TRUE(tmux.WaitForText("exit=130")) << tmux.Screen();
  EXPECT_EQ(tmux("display -p -t t '#{mouse_any_flag}#{mouse_sgr_flag}'"), "00\n");
  EXPECT_EQ(tmux("display -p -t t '#{alternate_on}'"), "0\n");
  EXPECT_EQ(tmux("display -p -t t '#{cursor_flag}#{wrap_flag}'"), "11\n");
  EXPECT_EQ(tmux("display -p -t t '#{keypad_cursor_flag}#{keypad_flag}'"), "00\n");

  fs::remove_all(home);
}

}  // namespace
