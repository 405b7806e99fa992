#pragma once
// The terminal front end: shows the console's displayed page in the user's terminal
// and turns what the user types and clicks into input records.
//
// The constructor puts the terminal into the program's modes (raw input, alternate
// screen, keypad mode, mouse button reports) and Finish() or the destructor puts it
// back, as does every signal that ends the program. SIGTSTP gives the terminal back
// to the shell until SIGCONT. Only one may exist at a time.
//
// In a UTF-8 locale glyphs are sent as UTF-8; otherwise as one character each, lines
// and boxes in the terminal's line-drawing set.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <termios.h>

#include "console/console.h"
#include "ports/host.h"
#include "platform/terminal_input_decoder.h"
#include "platform/terminal_renderer.h"
#include "platform/terminal_setup.h"

namespace tessella::platform {

class TerminalSignals;

class TerminalHost final : public ports::Host {
 public:
  // Throws std::runtime_error, with a message for the user, when standard input or
  // output is not a terminal or the terminal cannot place the cursor (TERM=dumb).
  // clipboard_file is where every clipboard hand-off is kept.
  TerminalHost(const console::Console& console, std::string clipboard_file);
  ~TerminalHost() override;
  TerminalHost(const TerminalHost&) = delete;
  TerminalHost& operator=(const TerminalHost&) = delete;

  std::optional<console::InputRecord> Poll() override;
  console::InputRecord Wait() override;
  void Sleep(int milliseconds) override;
  void Beep() override;
  void SetClipboard(std::string_view bytes) override;
  void SetMouseTracking(bool on) override;
  bool RequestSize(int rows, int cols) override;
  ports::ConsoleSize FitSize(int rows, int cols) override;
  std::string Today() override;
  void Finish() override;


 private:
  void Render();
  // The next decoded record that has a place on the console as the terminal shows it.
  std::optional<console::InputRecord> NextRecord();
  // Reads what the terminal sent, waiting at most timeout_ms (-1: until something
  // happens). Also follows a window resize.
  void Pump(int timeout_ms);
  // Acts on SIGWINCH and SIGCONT.
  void FollowSignals();
  // Reads the terminal's size; a change is painted afresh. True when it changed.
  bool FollowResize();
  // Back from a stop: the program's modes again and the whole picture.
  void Resume();
  // Waits a little for the terminal to take a size request.
  void AwaitResize(int rows, int cols);
  // What puts the terminal back: the modes, and the window's size where the program
  // changed it.
  std::string LeaveString() const;
  void Write(std::string_view bytes);

  const console::Console& console_;
  std::string clipboard_file_;
  std::string clipboard_error_;
  int in_fd_;
  int out_fd_;
  termios saved_{};
  termios raw_{};
  TerminalStrings strings_;
  std::string enter_;  // strings_.enter and what the glyphs need
  std::string leave_;
  ports::ConsoleSize original_size_;   // the window's size before the program started
  ports::ConsoleSize requested_size_;  // the last size request not yet overtaken by a resize
  ports::ConsoleSize asked_size_;      // the last size the program asked for
  bool resized_window_ = false;  // a size request was honoured
  bool in_background_ = false;   // continued while the shell has the terminal
  std::unique_ptr<TerminalSignals> signals_;
  TerminalRenderer renderer_;
  TerminalInputDecoder decoder_;
  std::string frame_;
  bool tracking_ = false;
  bool finished_ = false;
};

}  // namespace tessella::platform
