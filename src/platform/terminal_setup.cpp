#include "platform/terminal_setup.h"

#include <curses.h>
#include <term.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace tessella::platform {
namespace {

// xterm's values, used when terminfo has no entry for $TERM.
constexpr const char* kXtermEnterScreen = "\x1b[?1049h";
constexpr const char* kXtermLeaveScreen = "\x1b[?1049l";
constexpr const char* kXtermKeypadOn = "\x1b[?1h\x1b=";
constexpr const char* kXtermKeypadOff = "\x1b[?1l\x1b>";
constexpr const char* kXtermCursorNormal = "\x1b[?25h";
constexpr const char* kXtermLineDrawingPairs =
    "``aaffggiijjkkllmmnnooppqqrrssttuuvvwwxxyyzz{{||}}~~";
constexpr const char* kXtermLineDrawingOn = "\x1b(0";
constexpr const char* kXtermLineDrawingOff = "\x1b(B";

// Mouse: button reports (1000) in SGR form (1006), which has no limit on the column
// and tells which button went up.
constexpr const char* kMouseOn = "\x1b[?1000h\x1b[?1006h";
constexpr const char* kMouseOff = "\x1b[?1003l\x1b[?1002l\x1b[?1000l\x1b[?1006l";

// Alt and Meta send ESC before the key (xterm's metaSendsEscape 1036 and altSendsEscape
// 1039). Left as xterm ships them, Meta sets the eighth bit instead, which in a UTF-8
// terminal arrives as an accented letter: Alt-M would type 0xA1 rather than Alt-M. The
// user's settings are saved first and put back on leaving; terminals that always send
// ESC ignore both.
constexpr const char* kMetaEscapeOn = "\x1b[?1036;1039s\x1b[?1036;1039h";
constexpr const char* kMetaEscapeRestore = "\x1b[?1036;1039r";

std::string Capability(const char* name, const char* fallback, bool have_terminfo) {
  if (!have_terminfo) return fallback;
  const char* value = tigetstr(const_cast<char*>(name));
  if (value == nullptr || value == reinterpret_cast<const char*>(-1)) return fallback;
  return value;
}

// A capability only some terminals have: empty where terminfo describes the terminal
// without it, xterm's value where terminfo does not know the terminal.
std::string OptionalCapability(const char* name, const char* xterm_value, bool have_terminfo) {
  if (!have_terminfo) return xterm_value;
  const char* value = tigetstr(const_cast<char*>(name));
  if (value == nullptr || value == reinterpret_cast<const char*>(-1)) return {};
  return value;
}

}  // namespace

TerminalStrings LoadTerminalStrings(int fd) {
  int error = 0;
  const bool have_terminfo = setupterm(nullptr, fd, &error) == OK;
  TerminalStrings s;
  const char* term = std::getenv("TERM");
  s.cursor_addressing = !(term != nullptr && std::string_view(term) == "dumb") &&
                        !OptionalCapability("cup", "\x1b[%i%p1%d;%p2%dH", have_terminfo).empty();
  if (have_terminfo) s.background_erase = tigetflag(const_cast<char*>("bce")) > 0;
  s.line_drawing_pairs = OptionalCapability("acsc", kXtermLineDrawingPairs, have_terminfo);
  s.line_drawing_on = OptionalCapability("smacs", kXtermLineDrawingOn, have_terminfo);
  s.line_drawing_off = OptionalCapability("rmacs", kXtermLineDrawingOff, have_terminfo);
  s.line_drawing_enable = OptionalCapability("enacs", "", have_terminfo);
  // xterm's title stack keeps the user's window title for the end (others ignore it).
  s.enter += "\x1b[22;0t";
  s.enter += Capability("smcup", kXtermEnterScreen, have_terminfo);
  s.enter += Capability("smkx", kXtermKeypadOn, have_terminfo);
  s.enter += "\x1b[?7l";  // no auto-wrap: a glyph in the last column never scrolls
  s.enter += kMouseOn;
  s.enter += kMetaEscapeOn;

  // CAN first: a signal can cut a frame short inside an escape sequence, and CAN ends
  // any sequence so the reset is read from its first byte.
  s.leave += '\x18';
  s.leave += s.line_drawing_off;
  s.leave += kMouseOff;
  s.leave += kMetaEscapeRestore;
  s.leave += "\x1b[0m\x1b[0 q\x1b[?7h";  // colours, cursor shape, auto-wrap
  s.leave += Capability("rmkx", kXtermKeypadOff, have_terminfo);
  s.leave += Capability("cnorm", kXtermCursorNormal, have_terminfo);
  s.leave += Capability("rmcup", kXtermLeaveScreen, have_terminfo);
  s.leave += "\x1b[23;0t";
  if (have_terminfo) del_curterm(cur_term);
  return s;
}

std::string MouseTrackingOn() { return "\x1b[?1002h\x1b[?1003h"; }

// xterm keeps one mouse mode: leaving 1003 turns reports off altogether, so button
// reports are asked for again.
std::string MouseTrackingOff() { return "\x1b[?1003l\x1b[?1002l\x1b[?1000h"; }

std::string ResizeRequest(int rows, int cols) {
  return "\x1b[8;" + std::to_string(rows) + ";" + std::to_string(cols) + "t";
}

termios RawModes(const termios& saved) {
  termios t = saved;
  t.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INLCR | IGNCR | INPCK | ISTRIP | IXON);
  t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  t.c_cflag |= CS8;
  // Ctrl-C, Ctrl-Z and Ctrl-\ are keys like the other Ctrl-letters (characters 3, 26
  // and 28): the program ends through File, Exit. Signals sent from outside still end
  // it with the terminal restored.
  t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | IEXTEN | ISIG);
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  return t;
}

}  // namespace tessella::platform
