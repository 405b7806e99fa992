#pragma once
// The program's side of input: key strings from the host's records, filtered by the
// mouse mode, the last mouse position, and GetKey, the reader of every modal screen.
#include <string>

#include "console/key_string.h"
#include "console/input_source.h"

namespace tessella::console {

class Input {
 public:
  explicit Input(InputSource& source) : source_(source) {}

  void SetMouseMode(MouseMode mode);
  MouseMode mouse_mode() const { return mode_; }

  // The next key string, "" when nothing is pending. Records the mouse mode does not
  // enable are discarded.
  std::string Poll();
  // Blocks until a key string arrives.
  std::string Wait();

  // MOUSEY and MOUSEX: row and column of the last delivered mouse event.
  int mouse_row() const { return mouse_row_; }
  int mouse_col() const { return mouse_col_; }

 private:
  std::optional<std::string> Deliver(const InputRecord& record);

  InputSource& source_;
  MouseMode mode_ = MouseMode::kStandard;
  int mouse_row_ = 0;
  int mouse_col_ = 0;
};

// One event as the readers return it. From GetKey, a left or right button event gives
// an empty key string, key number 0, the flag and the mouse position; anything else (a
// key, a middle click) gives its key string and key number, with row and column 0. The
// main loop's GetEvent fills the same fields its own way.
struct Event {
  int keynumber = 0;
  std::string key;  // the key string
  int rgt = 0;      // right button
  int lft = 0;      // left button
  int row = 0;      // mouse row and column
  int col = 0;
};

// Waits for one event in the standard mouse mode.
Event GetKey(Input& input);

}  // namespace tessella::console
