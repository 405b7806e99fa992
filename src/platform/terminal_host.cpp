#include "platform/terminal_host.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "platform/calendar.h"
#include "platform/clipboard_desktop.h"
#include "platform/console_fit.h"
#include "platform/clipboard_file.h"
#include "platform/signals.h"
#include "platform/terminal_glyphs.h"

namespace tessella::platform {
namespace {

// The clipboard programs return as soon as they have the bytes; one that hangs must
// not hang the editor.
constexpr int kClipboardTimeoutMs = 2000;
// How long a size request may take. xterm answers within a few tens of milliseconds;
// terminals that ignore the request (tmux, most others) never answer.
constexpr int kResizeWaitMs = 250;

Millis Now() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The terminal's size, or `otherwise` when the terminal does not say.
ports::ConsoleSize TerminalSize(int fd, ports::ConsoleSize otherwise) {
  winsize ws{};
  if (ioctl(fd, TIOCGWINSZ, &ws) == 0 && ws.ws_row > 0 && ws.ws_col > 0) {
    return {ws.ws_row, ws.ws_col};
  }
  return otherwise;
}

}  // namespace

TerminalHost::TerminalHost(const console::Console& console, std::string clipboard_file)
    : console_(console),
      clipboard_file_(std::move(clipboard_file)),
      in_fd_(STDIN_FILENO),
      out_fd_(STDOUT_FILENO) {
  if (!isatty(in_fd_) || !isatty(out_fd_) || tcgetattr(in_fd_, &saved_) != 0) {
    throw std::runtime_error(
        "standard input and output must be a terminal "
        "(without one, run a script: tessella --replay SCRIPT --dump DIR)");
  }
  strings_ = LoadTerminalStrings(out_fd_);
  if (!strings_.cursor_addressing) {
    const char* term = std::getenv("TERM");
    throw std::runtime_error("the terminal TERM=" + std::string(term ? term : "") +
                             " cannot place the cursor; Tessella needs one that can, "
                             "such as xterm, tmux or the Linux console");
  }
  enter_ = strings_.enter;
  renderer_.SetBackgroundErase(strings_.background_erase);
  leave_ = strings_.leave;
  if (!LocaleIsUtf8([](const char* name) { return std::getenv(name); })) {
    renderer_.SetGlyphs(TerminalGlyphs::OneByte(
        strings_.line_drawing_pairs, strings_.line_drawing_on, strings_.line_drawing_off));
    enter_ += strings_.line_drawing_enable;
  }
  raw_ = RawModes(saved_);
  original_size_ = TerminalSize(out_fd_, {console_.rows(), console_.cols()});
  signals_ = std::make_unique<TerminalSignals>(out_fd_, saved_, LeaveString());
  tcsetattr(in_fd_, TCSAFLUSH, &raw_);
  Write(enter_);
  renderer_.SetTerminalSize(original_size_.rows, original_size_.cols);
}

TerminalHost::~TerminalHost() { Finish(); }

void TerminalHost::Finish() {
  if (finished_) return;
  finished_ = true;
  if (!in_background_) signals_->RestoreTerminal();
  signals_.reset();
}

std::string TerminalHost::LeaveString() const {
  std::string leave = leave_;
  if (resized_window_) leave += ResizeRequest(original_size_.rows, original_size_.cols);
  return leave;
}

void TerminalHost::Write(std::string_view bytes) {
  // A job continued in the background leaves the terminal to the shell.
  if (in_background_) return;
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
  if (finished_ || in_background_) return;
  frame_.clear();
  renderer_.Render(TerminalFrame::Of(console_), frame_);
  if (!frame_.empty()) Write(frame_);
}

bool TerminalHost::FollowResize() {
  const ports::ConsoleSize shown{renderer_.terminal_rows(), renderer_.terminal_cols()};
  const ports::ConsoleSize now = TerminalSize(out_fd_, shown);
  // A SIGWINCH that changes nothing costs nothing: the picture stands as it is.
  if (now == shown) return false;
  renderer_.SetTerminalSize(now.rows, now.cols);
  return true;
}

void TerminalHost::FollowSignals() {
  if (finished_) return;
  const SignalEvents events = signals_->Drain();
  if (events.continued) Resume();
  // The user moved the window: a size asked for before may be asked for again.
  if (events.resized && FollowResize()) requested_size_ = {};
}

void TerminalHost::Resume() {
  // Continued in the background (kill -CONT, bg): the terminal stays the shell's
  // until the job is brought back (fg sends SIGCONT again).
  in_background_ = tcgetpgrp(in_fd_) != getpgrp();
  if (in_background_) return;
  tcsetattr(in_fd_, TCSAFLUSH, &raw_);
  std::string again = enter_;
  if (tracking_) again += MouseTrackingOn();
  // Stopping gave the window its old size back; the program's size returns with it.
  if (resized_window_) again += ResizeRequest(asked_size_.rows, asked_size_.cols);
  Write(again);
  renderer_.Invalidate();
  FollowResize();
}

void TerminalHost::AwaitResize(int rows, int cols) {
  const ports::ConsoleSize before{renderer_.terminal_rows(), renderer_.terminal_cols()};
  const Millis end = Now() + kResizeWaitMs;
  for (Millis left = end - Now(); left > 0; left = end - Now()) {
    pollfd wake{signals_->wake_fd(), POLLIN, 0};
    if (poll(&wake, 1, static_cast<int>(left)) <= 0) continue;
    const SignalEvents events = signals_->Drain();
    if (events.continued) Resume();
    if (events.resized) FollowResize();
    if (renderer_.terminal_rows() == rows && renderer_.terminal_cols() == cols) break;
  }
  const ports::ConsoleSize after{renderer_.terminal_rows(), renderer_.terminal_cols()};
  if (after != before && !resized_window_) {
    // The terminal takes size requests: it gets its own size back at the end, and
    // from any signal that ends the program.
    resized_window_ = true;
    signals_->SetReset(LeaveString());
  }
}

void TerminalHost::Pump(int timeout_ms) {
  if (finished_) return;
  pollfd fds[2] = {{in_fd_, POLLIN, 0}, {signals_->wake_fd(), POLLIN, 0}};
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
  FollowSignals();
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
  // Input that arrives meanwhile stays in the terminal's queue; only a resize or a
  // return from a stop is followed, so the picture is right when the pause ends.
  const Millis end = Now() + std::max(milliseconds, 0);
  for (Millis left = end - Now(); left > 0; left = end - Now()) {
    pollfd wake{signals_->wake_fd(), POLLIN, 0};
    if (poll(&wake, 1, static_cast<int>(left)) > 0) {
      FollowSignals();
      Render();
    }
  }
}

void TerminalHost::Beep() {
  if (!finished_) Write("\a");
}

void TerminalHost::SetClipboard(std::string_view bytes) {
  clipboard_error_ = WriteClipboardFile(clipboard_file_, bytes);
  const std::string desktop = DesktopClipboardText(bytes);
  const std::vector<std::string> command = DesktopClipboardCommand();
  const bool desktop_took_it =
      !command.empty() && RunClipboardCommand(command, desktop, kClipboardTimeoutMs);
  if (!desktop_took_it && !finished_ &&
      TerminalMayTakeOsc52([](const char* name) { return std::getenv(name); })) {
    Write(Osc52(desktop));
  }
  // The file is where the exact bytes are promised; say so when it could not be kept.
  if (!clipboard_error_.empty()) throw ports::UserError(clipboard_error_);
}

void TerminalHost::SetMouseTracking(bool on) {
  if (on == tracking_ || finished_) return;
  tracking_ = on;
  Write(on ? MouseTrackingOn() : MouseTrackingOff());
}

bool TerminalHost::RequestSize(int rows, int cols) {
  if (!ports::ConsoleSizeIsUsable(rows, cols)) return false;
  if (finished_) return true;
  const ports::ConsoleSize wanted{rows, cols};
  asked_size_ = wanted;
  FollowSignals();
  // Nothing to ask of a terminal that has this size, or that was asked already and
  // has not moved since.
  if (wanted == ports::ConsoleSize{renderer_.terminal_rows(), renderer_.terminal_cols()} ||
      wanted == requested_size_) {
    return true;
  }
  requested_size_ = wanted;
  Write(ResizeRequest(rows, cols));
  AwaitResize(rows, cols);
  return true;
}

ports::ConsoleSize TerminalHost::FitSize(int rows, int cols) {
  if (finished_) return {rows, cols};
  return {std::clamp(std::min(rows, renderer_.terminal_rows()), ports::kMinConsoleRows, ports::kMaxConsoleRows),
          std::clamp(std::min(cols, renderer_.terminal_cols()), ports::kMinConsoleCols, ports::kMaxConsoleCols)};
}

std::string TerminalHost::Today() { return LocalDate(); }

}  // namespace tessella::platform
