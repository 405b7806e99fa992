#pragma once
// Handing clipboard bytes to the desktop: through wl-copy on Wayland, xclip or xsel on
// X11, or the terminal's OSC 52 request when no desktop clipboard is reachable. The
// bytes go over as they stand (code page 437, CR LF line ends), except a zero byte.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessella::platform {

// What the desktop clipboard gets for a hand-off: the bytes with every zero byte given
// as a blank. A program pasting from the desktop clipboard stops at the first zero
// byte and would lose the rest of the text; a zero and a blank both show as an empty
// cell. The clipboard file keeps the exact bytes.
std::string DesktopClipboardText(std::string_view bytes);

// Looks up an environment variable (nullptr when unset).
using EnvLookup = std::function<const char*(const char*)>;
// Tells whether a program of this name is on the PATH.
using ProgramLookup = std::function<bool(const std::string&)>;

// The command line of the clipboard program to use, empty when none is reachable:
// wl-copy when WAYLAND_DISPLAY is set, else xclip or xsel when DISPLAY is set.
std::vector<std::string> ChooseClipboardCommand(const EnvLookup& env,
                                                const ProgramLookup& installed);
// The same for this process's environment and PATH.
std::vector<std::string> DesktopClipboardCommand();

// Runs the command with the bytes on its standard input and waits for it, at most
// timeout_ms (then it is killed). True when it took the bytes and exited with 0. The
// clipboard programs leave a helper running to serve the selection; it is put in its
// own session so closing the terminal does not take the clipboard with it.
bool RunClipboardCommand(const std::vector<std::string>& argv, std::string_view bytes,
                         int timeout_ms);

// Whether the terminal named by $TERM is likely to act on an OSC 52 request.
bool TerminalMayTakeOsc52(const EnvLookup& env);

// The OSC 52 request that sets the clipboard to these bytes.
std::string Osc52(std::string_view bytes);
std::string Base64(std::string_view bytes);

}  // namespace tessella::platform
