#include "platform/signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace tessella::platform {
namespace {

// Signals whose default action ends the program, besides the faults. SIGKILL and
// SIGSTOP cannot be caught; the real-time signals are added at run time.
constexpr int kEndingSignals[] = {
    SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGALRM, SIGTERM, SIGUSR1, SIGUSR2,
    SIGIO,  SIGPROF, SIGVTALRM, SIGXCPU, SIGXFSZ,
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
};
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS};
constexpr std::size_t kMaxReset = 512;

constexpr char kResizedByte = 'W';
constexpr char kContinuedByte = 'C';

// The program's only global mutable state, and the reason for it: a signal handler
// gets no argument, so what it restores must be where it can find it. It is written
// only while no handler can run (before installing, after removing, or with the
// handled signals blocked) and read only by the handlers and RestoreTerminal, so no
// handler ever sees it half-written.
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

void SetDefault(int sig) {
  struct sigaction dfl {};
  dfl.sa_handler = SIG_DFL;
  sigemptyset(&dfl.sa_mask);
  sigaction(sig, &dfl, nullptr);
}

void OnEndingSignal(int sig) {
  Restore();
  // End the way the signal would have ended the program, so the parent sees it.
  SetDefault(sig);
  raise(sig);  // delivered when this handler returns, since the signal is blocked here
}

void Wake(char byte) {
  const int saved_errno = errno;
  // A full pipe already holds this news, so a failed write loses nothing.
  [[maybe_unused]] const ssize_t n = write(g_state.pipe_write, &byte, 1);
  errno = saved_errno;
}

void OnResize(int) { Wake(kResizedByte); }
void OnContinue(int) { Wake(kContinuedByte); }

void OnStop(int sig) {
  const int saved_errno = errno;
  Restore();
  // Stop as the default action would: the shell sees a stopped job.
  SetDefault(sig);
  sigset_t unblock;
  sigemptyset(&unblock);
  sigaddset(&unblock, sig);
  sigset_t before;
  sigprocmask(SIG_UNBLOCK, &unblock, &before);
  raise(sig);
  // Continued: SIGCONT has woken the host, which puts the terminal back.
  sigprocmask(SIG_SETMASK, &before, nullptr);
  struct sigaction again {};
  again.sa_handler = OnStop;
  sigemptyset(&again.sa_mask);
  again.sa_flags = SA_RESTART;
  sigaction(sig, &again, nullptr);
  errno = saved_errno;
}

// Calls f(signal, handler, flags) for every signal this module handles.
template <typename F>
void ForEachHandled(F f) {
  for (const int sig : kEndingSignals) f(sig, OnEndingSignal, 0);
  for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig) f(sig, OnEndingSignal, 0);
  // SA_RESETHAND: if restoring faults again, the second fault ends the program.
  for (const int sig : kFatalSignals) f(sig, OnEndingSignal, SA_RESETHAND);
  f(SIGTSTP, OnStop, SA_RESTART);
  f(SIGCONT, OnContinue, SA_RESTART);
  f(SIGWINCH, OnResize, SA_RESTART);
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

void PutBackAll() {
  ForEachHandled([](int sig, void (*)(int), int) {
    sigaction(sig, &g_state.previous[sig], nullptr);
  });
}

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
    throw std::runtime_error(std::string("cannot create the signal pipe: ") + strerror(errno));
  }
  g_state.in_use = true;
  g_state.tty_fd = tty_fd;
  g_state.saved = saved;
  std::memcpy(g_state.reset, reset.data(), reset.size());
  g_state.reset_size = reset.size();
  g_state.pipe_read = fds[0];
  g_state.pipe_write = fds[1];
  try {
    ForEachHandled(Install);
  } catch (...) {
    PutBackAll();
    ClosePipe();
    g_state = SignalState{};
    throw;
  }
}

TerminalSignals::~TerminalSignals() {
  PutBackAll();
  ClosePipe();
  g_state = SignalState{};
}

void TerminalSignals::SetReset(std::string_view reset) {
  if (reset.size() > kMaxReset) throw std::runtime_error("terminal reset string too long");
  sigset_t handled;
  sigemptyset(&handled);
  ForEachHandled([&handled](int sig, void (*)(int), int) { sigaddset(&handled, sig); });
  sigset_t before;
  sigprocmask(SIG_BLOCK, &handled, &before);
  std::memcpy(g_state.reset, reset.data(), reset.size());
  g_state.reset_size = reset.size();
  sigprocmask(SIG_SETMASK, &before, nullptr);
}

int TerminalSignals::wake_fd() const { return g_state.pipe_read; }

SignalEvents TerminalSignals::Drain() const {
  SignalEvents events;
  char buf[64];
  ssize_t n = 0;
  while ((n = read(g_state.pipe_read, buf, sizeof buf)) > 0) {
    for (ssize_t i = 0; i < n; ++i) {
      if (buf[i] == kResizedByte) events.resized = true;
      if (buf[i] == kContinuedByte) events.continued = true;
    }
  }
  return events;
}

void TerminalSignals::RestoreTerminal() const { Restore(); }

}  // namespace tessella::platform
