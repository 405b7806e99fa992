#pragma once
// Where input records come from: the front end, seen from the console's input layer.
#include <optional>

#include "console/input_record.h"

namespace tessella::console {

class InputSource {
 public:
  virtual ~InputSource() = default;

  // The next input record if one is pending; never waits.
  virtual std::optional<InputRecord> Poll() = 0;
  // Shows the displayed page, then blocks until an input record arrives.
  virtual InputRecord Wait() = 0;
  // Motion reports are wanted only while an area is being chosen.
  virtual void SetMouseTracking(bool on) = 0;
};

}  // namespace tessella::console
