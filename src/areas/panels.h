#pragma once
// Raised and sunken boxes ("panels"): the area becomes a single-line frame over a solid
// background, its top and left edges in one colour, its right and bottom edges in
// another. Light top-left edges look raised, dark ones sunken.
#include <span>

#include "console/screen_image.h"
#include "core/command.h"

namespace tessella::areas {

struct PanelStyle {
  int keynumber;    // the key (and Boxes menu item) that draws it
  int first_edge;   // colour of the top and left edges
  int second_edge;  // colour of the right and bottom edges
  int background;
  bool raised;
};

// The fourteen styles in the Boxes menu's order: each raised style is followed by the
// sunken one on the same background.
std::span<const PanelStyle> PanelStyles();
// nullptr for a key that draws no panel.
const PanelStyle* FindPanelStyle(int keynumber);

// The panel as cells, width x height (both at least 2).
console::ScreenImage PanelImage(const PanelStyle& style, int width, int height);

// The command of every panel key: the area of at least two rows and two columns becomes
// the panel of the event's key; the area buffer takes the area as it was, and the area
// stays chosen.
core::Next DrawPanel(core::Editor& ed, core::Event& ev);

}  // namespace tessella::areas
