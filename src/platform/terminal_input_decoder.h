#pragma once
// Turns the bytes a terminal sends into console input records. It is a pure state
// machine: it is fed bytes and told the time, and never reads a clock or a file
// descriptor, so every timing rule (the lone Esc, the double click) is tested from byte
// strings and made-up times.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "console/input_record.h"

namespace tessella::platform {

// Milliseconds on a monotonic clock; only differences matter.
using Millis = std::int64_t;

class TerminalInputDecoder {
 public:
  // How long an Esc (or a partial sequence) waits for the rest of a sequence before it
  // counts as typed on its own. Terminals send a whole sequence in one write, so a few
  // tens of milliseconds separate a real Esc from an escape sequence even over ssh.
  static constexpr Millis kEscTimeout = 40;
  // A second press of the same button at the same cell within this time is a double
  // click.
  static constexpr Millis kDoubleClickTime = 500;
  // Mouse reports beyond this row or column come from no real terminal and are dropped.
  static constexpr int kMaxMousePosition = 9999;

  // Bytes that arrived at time now. Bytes left over from an earlier call that have
  // waited kEscTimeout or longer are decided first, so an Esc typed long ago never
  // joins the bytes typed now.
  void Feed(std::string_view bytes, Millis now);
  // Decides the bytes still waiting if they have waited kEscTimeout or longer.
  void Flush(Millis now);
  // When Flush should be called next, or nothing when no bytes are waiting.
  std::optional<Millis> Deadline() const;

  bool HasRecord() const { return !records_.empty(); }
  std::optional<console::InputRecord> Pop();

 private:
  // Decodes one record (or one ignored sequence) from the front of pending_ and
  // returns how many bytes it used. Returns 0 when the bytes are the start of a longer
  // sequence and more may come; once `final` is set it always makes progress.
  std::size_t DecodeOne(std::string_view in, bool final);
  std::size_t DecodeEscape(std::string_view in, bool final);
  std::size_t DecodeCsi(std::string_view in, bool final);
  std::size_t DecodeSs3(std::string_view in, bool final);
  std::size_t DecodeHighByte(std::string_view in, bool final, bool alt);
  void Drain(bool final);

  void PushKey(std::uint8_t ch, std::uint8_t scan, bool alt = false);
  // An ASCII byte typed on its own (alt false) or with Alt.
  void PushAscii(std::uint8_t byte, bool alt);
  // A mouse report: button code as xterm numbers it (0 left, 1 middle, 2 right, 3 none,
  // +32 motion, +64 wheel), 1-based position, release flag.
  void PushMouse(int code, int col, int row, bool release);

  std::string pending_;
  Millis pending_since_ = 0;
  // Within an over-long sequence: its further parameter bytes are dropped too.
  bool in_noise_ = false;
  Millis now_ = 0;
  std::deque<console::InputRecord> records_;

  // The last button press, for double clicks.
  struct Press {
    std::uint8_t button = 0;
    int row = 0;
    int col = 0;
    Millis time = 0;
  };
  std::optional<Press> last_press_;
};

}  // namespace tessella::platform
