#pragma once
// The terminal front end: shows the console's displayed page in the user's terminal
// and turns what the user types and clicks into input records.
//
// The constructor puts the terminal into the program's modes (raw input, alternate
// screen, keypad mode, mouse button reports) and Finish() or the destructor puts it
// back, as do SIGINT, SIGTERM, SIGHUP and fatal signals. Only one may exist at a time.
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
  // Throws std::runtime_error when standard input or output is not a terminal.
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
  void Finish() override;

  // Why the last clipboard hand-off could not be kept in the file; empty when it was.
  const std::string& clipboard_error() const { return clipboard_error_; }

 private:
  void Render();
  // The next decoded record that has a place on the console as the terminal shows it.
  std::optional<console::InputRecord> NextRecord();
  // Reads what the terminal sent, waiting at most timeout_ms (-1: until something
  // happens). Also follows a window resize.
  void Pump(int timeout_ms);
  void FollowResize();
  void Write(std::string_view bytes);

  const console::Console& console_;
  std::string clipboard_file_;
  std::string clipboard_error_;
  int in_fd_;
  int out_fd_;
  termios saved_{};
  TerminalStrings strings_;
  std::unique_ptr<TerminalSignals> signals_;
  TerminalRenderer renderer_;
  TerminalInputDecoder decoder_;
  std::string frame_;
  bool tracking_ = false;
  bool finished_ = false;
};

}  // namespace tessella::platform
