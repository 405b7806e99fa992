#include "platform/signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace tessella::platform {
namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr std::size_t kMaxReset = 512;

// The program's only global mutable state, and the reason for it: a signal handler
// gets no argument, so what it restores must be where it can find it. It is written
// only while no handler is installed (before installing, after removing) and read
// only by the handlers and RestoreTerminal, so no handler ever sees it half-written.
struct SignalState {
  bool in_use = false;
  int tty_fd = -1;
  termios saved{};
  char reset[kMaxReset]{};
  std::size_t reset_size = 0;
  int pipe_read = -1;
  int pipe_write = -1;
  struct sigaction previous[NSIG]{};
};
SignalState g_state;

void WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
}

void Restore() {
  WriteAll(g_state.tty_fd, g_state.reset, g_state.reset_size);
  tcsetattr(g_state.tty_fd, TCSAFLUSH, &g_state.saved);
}

void OnEndingSignal(int sig) {
  Restore();
  // End the way the signal would have ended the program, so the parent sees it.
  struct sigaction dfl {};
  dfl.sa_handler = SIG_DFL;
  sigemptyset(&dfl.sa_mask);
  sigaction(sig, &dfl, nullptr);
  raise(sig);  // delivered when this handler returns, since the signal is blocked here
}

void OnResize(int) {
  const int saved_errno = errno;
  const char byte = 1;
  // A full pipe already says "resized", so a failed write loses nothing.
  [[maybe_unused]] const ssize_t n = write(g_state.pipe_write, &byte, 1);
  errno = saved_errno;
}

void Install(int sig, void (*handler)(int), int flags) {
  struct sigaction sa {};
  sa.sa_handler = handler;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = flags;
  if (sigaction(sig, &sa, &g_state.previous[sig]) != 0) {
    throw std::runtime_error(std::string("cannot handle signal: ") + strsignal(sig));
  }
}

void PutBack(int sig) { sigaction(sig, &g_state.previous[sig], nullptr); }

void ClosePipe() {
  if (g_state.pipe_read >= 0) close(g_state.pipe_read);
  if (g_state.pipe_write >= 0) close(g_state.pipe_write);
  g_state.pipe_read = g_state.pipe_write = -1;
}

}  // namespace

TerminalSignals::TerminalSignals(int tty_fd, const termios& saved, std::string_view reset) {
  if (g_state.in_use) throw std::logic_error("terminal signals are already handled");
  if (reset.size() > kMaxReset) throw std::runtime_error("terminal reset string too long");
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
    throw std::runtime_error(std::string("cannot create the resize pipe: ") + strerror(errno));
  }
  g_state.in_use = true;
  g_state.tty_fd = tty_fd;
  g_state.saved = saved;
  std::memcpy(g_state.reset, reset.data(), reset.size());
  g_state.reset_size = reset.size();
  g_state.pipe_read = fds[0];
  g_state.pipe_write = fds[1];
  try {
    for (const int sig : kEndingSignals) Install(sig, OnEndingSignal, 0);
    // SA_RESETHAND: if restoring faults again, the second fault ends the program.
    for (const int sig : kFatalSignals) Install(sig, OnEndingSignal, SA_RESETHAND);
    Install(SIGWINCH, OnResize, SA_RESTART);
  } catch (...) {
    for (const int sig : kEndingSignals) PutBack(sig);
    for (const int sig : kFatalSignals) PutBack(sig);
    PutBack(SIGWINCH);
    ClosePipe();
    g_state.in_use = false;
    throw;
  }
}

TerminalSignals::~TerminalSignals() {
  for (const int sig : kEndingSignals) PutBack(sig);
  for (const int sig : kFatalSignals) PutBack(sig);
  PutBack(SIGWINCH);
  ClosePipe();
  g_state = SignalState{};
}

int TerminalSignals::resize_fd() const { return g_state.pipe_read; }

bool TerminalSignals::DrainResize() const {
  bool resized = false;
  char buf[64];
  while (read(g_state.pipe_read, buf, sizeof buf) > 0) resized = true;
  return resized;
}

void TerminalSignals::RestoreTerminal() const { Restore(); }

}  // namespace tessella::platform
