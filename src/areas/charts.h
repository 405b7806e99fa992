#pragma once
// The two pickers drawn over the work screen: the extended ASCII chart, whose pick is
// written at the cursor and loaded into the arrow keys, and the colour chart, whose pick
// becomes the typing colours. Each waits for one event and leaves the console as it
// found it; the commands apply what was picked.
#include <cstdint>
#include <optional>

#include "core/command.h"
#include "ui/modal.h"

namespace tessella::areas {

// The character shown in the chart column of the band a left click fell in, on rows 1
// to 22; nothing for Esc, a right click, any other key or a click elsewhere.
std::optional<std::uint8_t> PickCharacter(const ui::Modal& ui);

struct Colours {
  int fg = 0;
  int bg = 0;
  bool operator==(const Colours&) const = default;
};

// The colours of the chart cell either button clicked; nothing for a key or a click
// outside the samples.
std::optional<Colours> PickColours(const ui::Modal& ui);

// Alt-K: the picked character at the cursor, in the typing colours; the cursor stays.
core::Next AsciiChart(core::Editor& ed, core::Event& ev);
// Alt-X: the picked colours become the typing colours.
core::Next ColourChart(core::Editor& ed, core::Event& ev);

}  // namespace tessella::areas
