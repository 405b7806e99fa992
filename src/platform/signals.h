#pragma once
// Signals while the terminal is in the program's modes. A signal can arrive at any
// instruction, so everything a handler needs is prepared before the handlers are
// installed: the terminal modes to restore and one constant string that resets the
// screen. Handlers only call write(2), tcsetattr(3), sigaction(2) and raise(3), all
// async-signal-safe.
//
// - SIGINT, SIGTERM, SIGHUP: restore the terminal, then end as the signal would have.
// - SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT: the same, with the default action (core).
// - SIGWINCH: wakes the host's wait through a self-pipe; the size is read there.
#include <termios.h>

#include <string_view>

namespace tessella::platform {

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

  // Readable after a SIGWINCH until Drain() is called.
  int resize_fd() const;
  // Empties the self-pipe; true when a resize had been signalled.
  bool DrainResize() const;

  // What a handler does, for the normal exit: writes the reset string and restores
  // the saved modes.
  void RestoreTerminal() const;
};

}  // namespace tessella::platform
