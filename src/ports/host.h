#pragma once
// What the program needs from the world outside it: input records, time, sound, the
// clipboard and the terminal's size. Two hosts implement it: the terminal (the
// product) and replay (automation and tests). Nothing else in the program touches the
// terminal, the real clock or the real clipboard.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "console/input_source.h"
#include "ports/user_error.h"

namespace tessella::ports {

// Thrown to end the session (File, Exit confirmed, or a replay script used up). It is
// not a std::exception, so the editor's error trap lets it through.
struct SessionEnd {
  int status = 0;
};

// Thrown when the front end itself fails (a replay dump that cannot be written). No
// command is to blame and retrying would fail again, so the editor's error trap lets
// it through and the run ends with its message.
struct HostError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// What a replay dump reports of the editor besides the console itself.
struct EditorStatus {
  int cursor_row = 0;
  int cursor_col = 0;
  int txcolor = 0;
  int bgcolor = 0;
  int page = 1;  // as the toolbar shows it
  std::string file;
};

// The console sizes any front end takes: at least one work row above the toolbar line
// and room for a few cells, at most what a large terminal window shows.
inline constexpr int kMinConsoleRows = 2;
inline constexpr int kMinConsoleCols = 10;
inline constexpr int kMaxConsoleRows = 300;
inline constexpr int kMaxConsoleCols = 500;

inline bool ConsoleSizeIsUsable(int rows, int cols) {
  return rows >= kMinConsoleRows && cols >= kMinConsoleCols && rows <= kMaxConsoleRows &&
         cols <= kMaxConsoleCols;
}

struct ConsoleSize {
  int rows = 0;
  int cols = 0;
  friend bool operator==(const ConsoleSize&, const ConsoleSize&) = default;
};

class Host : public console::InputSource {
 public:
  // Shows the displayed page, then pauses.
  virtual void Sleep(int milliseconds) = 0;
  virtual void Beep() = 0;
  // Hands the exact bytes to the clipboard.
  virtual void SetClipboard(std::string_view bytes) = 0;
  // Asks the front end to show a console of this size. False when it cannot take it
  // (the caller then keeps the console as it was).
  virtual bool RequestSize(int rows, int cols) = 0;
  // The largest console up to rows x cols that the front end shows whole, asked after
  // RequestSize(rows, cols) was taken: a terminal that stayed smaller gives its own
  // size (never below the usable minimum). Front ends that show any size give it all.
  virtual ConsoleSize FitSize(int rows, int cols) { return {rows, cols}; }
  // A command failed through a fault of the program's own (not the user's input or the
  // world's): the main loop abandons the command and goes on, and replay reports it so
  // an automated run notices.
  virtual void ReportInternalError(std::string_view /*what*/) {}
  // Today's date as CCYYMMDD, for the records saved files carry; empty where the front
  // end keeps no calendar (replay's clock takes no time, so its runs stay repeatable).
  virtual std::string Today() { return {}; }
  // Called once when the session ends (File, Exit, end of script).
  virtual void Finish() = 0;
};

}  // namespace tessella::ports
