#pragma once
// Putting the user's terminal into the program's modes and back.
//
// Why not ncurses' own screen output: the display needs every one of the 256 code page
// 437 glyphs in 16 x 16 colours, a count of the bytes each frame costs, and input
// decoded by rules (the Alt-letter rule, Esc timing, double clicks) that must be tested
// without a terminal. So terminfo (through ncurses) supplies the strings that differ
// between terminals (alternate screen, keypad mode, normal cursor), termios sets the
// input modes, and the program's own renderer and decoder do the rest.
#include <termios.h>

#include <string>

namespace tessella::platform {

struct TerminalStrings {
  std::string enter;  // alternate screen, keypad mode, no auto-wrap, mouse buttons, Alt as ESC
  std::string leave;  // undoes enter, and everything the renderer may have changed
  // False for a terminal that cannot place the cursor (TERM=dumb, a printing
  // terminal): the program cannot run in it.
  bool cursor_addressing = true;
  // Erasing fills with the current background colour (terminfo bce), as xterm's does.
  bool background_erase = true;
  // The terminal's line-drawing set: pairs of (VT100 name, character to send), the
  // strings that switch into and out of it, and the one that makes it available.
  std::string line_drawing_pairs;
  std::string line_drawing_on;
  std::string line_drawing_off;
  std::string line_drawing_enable;
};

// Strings for the terminal named by $TERM, with xterm's as the fallback for
// capabilities terminfo does not know.
TerminalStrings LoadTerminalStrings(int fd);

// Mouse reports with motion (while an area is being chosen) and without.
std::string MouseTrackingOn();
std::string MouseTrackingOff();

// xterm's request to resize the window to rows x cols.
std::string ResizeRequest(int rows, int cols);

// The modes the program runs in: bytes as typed, no echo, no flow control, reads that
// never block. Ctrl-C still raises SIGINT; Ctrl-Z and Ctrl-\ are ordinary keys.
termios RawModes(const termios& saved);

}  // namespace tessella::platform
