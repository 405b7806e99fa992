#include "platform/terminal_host.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "platform/clipboard_desktop.h"
#include "platform/console_fit.h"
#include "platform/clipboard_file.h"
#include "platform/signals.h"

namespace tessella::platform {
namespace {

// The clipboard programs return as soon as they have the bytes; one that hangs must
// not hang the editor.
constexpr int kClipboardTimeoutMs = 2000;

Millis Now() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The terminal's size, or the console's when the terminal does not say.
void TerminalSize(int fd, const console::Console& console, int& rows, int& cols) {
  winsize ws{};
  if (ioctl(fd, TIOCGWINSZ, &ws) == 0 && ws.ws_row > 0 && ws.ws_col > 0) {
    rows = ws.ws_row;
    cols = ws.ws_col;
  } else {
    rows = console.rows();
    cols = console.cols();
  }
}

}  // namespace

TerminalHost::TerminalHost(const console::Console& console, std::string clipboard_file)
    : console_(console),
      clipboard_file_(std::move(clipboard_file)),
      in_fd_(STDIN_FILENO),
      out_fd_(STDOUT_FILENO) {
  if (!isatty(in_fd_) || !isatty(out_fd_) || tcgetattr(in_fd_, &saved_) != 0) {
    throw std::runtime_error("Tessella needs a terminal for its standard input and output");
  }
  strings_ = LoadTerminalStrings(out_fd_);
  signals_ = std::make_unique<TerminalSignals>(out_fd_, saved_, strings_.leave);
  const termios raw = RawModes(saved_);
  tcsetattr(in_fd_, TCSAFLUSH, &raw);
  Write(strings_.enter + ResizeRequest(console_.rows(), console_.cols()));
  int rows = 0;
  int cols = 0;
  TerminalSize(out_fd_, console_, rows, cols);
  renderer_.SetTerminalSize(rows, cols);
}

TerminalHost::~TerminalHost() { Finish(); }

void TerminalHost::Finish() {
  if (finished_) return;
  finished_ = true;
  signals_->RestoreTerminal();
  signals_.reset();
}

void TerminalHost::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(out_fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return;  // the terminal is gone; SIGHUP ends the program
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

void TerminalHost::Render() {
  if (finished_) return;
  frame_.clear();
  renderer_.Render(TerminalFrame::Of(console_), frame_);
  if (!frame_.empty()) Write(frame_);
}

void TerminalHost::FollowResize() {
  if (finished_ || !signals_->DrainResize()) return;
  int rows = 0;
  int cols = 0;
  TerminalSize(out_fd_, console_, rows, cols);
  renderer_.SetTerminalSize(rows, cols);
}

void TerminalHost::Pump(int timeout_ms) {
  if (finished_) return;
  pollfd fds[2] = {{in_fd_, POLLIN, 0}, {signals_->resize_fd(), POLLIN, 0}};
  const int ready = poll(fds, 2, timeout_ms);
  if (ready < 0) {
    if (errno != EINTR) throw std::runtime_error("cannot read the terminal");
  }
  bool hung_up = ready > 0 && (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
  if (ready > 0 && (fds[0].revents & POLLIN) != 0) {
    char buf[4096];
    const ssize_t n = read(in_fd_, buf, sizeof buf);
    if (n > 0) {
      decoder_.Feed(std::string_view(buf, static_cast<std::size_t>(n)), Now());
      hung_up = false;
    } else if (n < 0 && errno != EINTR && errno != EAGAIN) {
      hung_up = true;
    }
  }
  if (hung_up) {
    // The terminal closed under us; there is no one left to type.
    Finish();
    throw ports::SessionEnd{1};
  }
  decoder_.Flush(Now());
  FollowResize();
}

std::optional<console::InputRecord> TerminalHost::NextRecord() {
  // Clicks are taken against the picture the user saw, the last frame sent.
  const int rows = std::min(console_.rows(), renderer_.shown_rows());
  const int cols = std::min(console_.cols(), renderer_.terminal_cols());
  while (auto record = decoder_.Pop()) {
    if (auto fitted = FitToConsole(*record, rows, cols)) return fitted;
  }
  return std::nullopt;
}

std::optional<console::InputRecord> TerminalHost::Poll() {
  if (!decoder_.HasRecord()) Pump(0);
  if (auto record = NextRecord()) return record;
  // Nothing pending: the program is about to idle or to poll again, and what it drew
  // meanwhile (an area outline follows the mouse this way) must be on screen.
  Render();
  return std::nullopt;
}

console::InputRecord TerminalHost::Wait() {
  // After Finish the terminal is the user's again and nothing more will be read.
  if (finished_) throw ports::SessionEnd{0};
  while (true) {
    Render();
    if (auto record = NextRecord()) return *record;
    int timeout = -1;
    if (const auto deadline = decoder_.Deadline()) {
      timeout = static_cast<int>(std::max<Millis>(*deadline - Now(), 0));
    }
    Pump(timeout);
  }
}

void TerminalHost::Sleep(int milliseconds) {
  if (finished_) {
    poll(nullptr, 0, std::max(milliseconds, 0));
    return;
  }
  Render();
  // Input that arrives meanwhile stays in the terminal's queue; only a resize is
  // followed, so the picture is right when the pause ends.
  const Millis end = Now() + std::max(milliseconds, 0);
  for (Millis left = end - Now(); left > 0; left = end - Now()) {
    pollfd resize{signals_->resize_fd(), POLLIN, 0};
    if (poll(&resize, 1, static_cast<int>(left)) > 0) {
      FollowResize();
      Render();
    }
  }
}

void TerminalHost::Beep() {
  if (!finished_) Write("\a");
}

void TerminalHost::SetClipboard(std::string_view bytes) {
  clipboard_error_ = WriteClipboardFile(clipboard_file_, bytes);
  const std::vector<std::string> command = DesktopClipboardCommand();
  if (!command.empty() && RunClipboardCommand(command, bytes, kClipboardTimeoutMs)) return;
  if (!finished_ && TerminalMayTakeOsc52([](const char* name) { return std::getenv(name); })) {
    Write(Osc52(bytes));
  }
}

void TerminalHost::SetMouseTracking(bool on) {
  if (on == tracking_ || finished_) return;
  tracking_ = on;
  Write(on ? MouseTrackingOn() : MouseTrackingOff());
}

bool TerminalHost::RequestSize(int rows, int cols) {
  if (!ports::ConsoleSizeIsUsable(rows, cols)) return false;
  if (!finished_) Write(ResizeRequest(rows, cols));
  return true;
}

}  // namespace tessella::platform
