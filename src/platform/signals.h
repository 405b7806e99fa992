#pragma once
// Signals while the terminal is in the program's modes. A signal can arrive at any
// instruction, so everything a handler needs is prepared before the handlers are
// installed: the terminal modes to restore and one constant string that resets the
// screen. Handlers only call write(2), tcsetattr(3), sigaction(2), sigprocmask(2) and
// raise(3), all async-signal-safe, and allocate nothing.
//
// - Every catchable signal whose default action ends the program (SIGINT, SIGTERM,
//   SIGHUP, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, the real-time signals...):
//   restore the terminal, then end as the signal would have, core file included.
// - Faults (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS): the same; a
//   second fault while restoring ends the program at once.
// - SIGTSTP: restore the terminal and stop. SIGCONT and SIGWINCH wake the host's wait
//   through a self-pipe, which puts the terminal back into the program's modes or reads
//   the new size.
#include <termios.h>

#include <string_view>

namespace tessella::platform {

// What happened since the last Drain().
struct SignalEvents {
  bool resized = false;    // SIGWINCH
  bool continued = false;  // SIGCONT: the terminal may be the shell's again
};

class TerminalSignals {
 public:
  // Remembers the terminal to restore and installs the handlers. At most one instance
  // may exist at a time (signal dispositions are per process); a second one throws.
  // Throws std::runtime_error when the self-pipe or a handler cannot be set up, or
  // when reset is longer than the space kept for it.
  TerminalSignals(int tty_fd, const termios& saved, std::string_view reset);
  // Puts the previous handlers back.
  ~TerminalSignals();
  TerminalSignals(const TerminalSignals&) = delete;
  TerminalSignals& operator=(const TerminalSignals&) = delete;

  // Replaces the reset string (the handled signals are held back meanwhile, so no
  // handler sees half of it). Throws std::runtime_error when it is too long.
  void SetReset(std::string_view reset);

  // Readable after a SIGWINCH or SIGCONT until Drain() is called.
  int wake_fd() const;
  // Empties the self-pipe and says what it held.
  SignalEvents Drain() const;

  // What a handler does, for the normal exit: writes the reset string and restores
  // the saved modes.
  void RestoreTerminal() const;
};

}  // namespace tessella::platform
