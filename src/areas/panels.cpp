#include "areas/panels.h"

#include <algorithm>
#include <array>

#include "areas/cell_output.h"
#include "console/keys.h"
#include "core/area_bounds.h"
#include "core/area_flash.h"

namespace tessella::areas {
namespace {

using namespace tessella::keys;

constexpr std::array kStyles = {
    PanelStyle{kAltB, 7, 0, 8, true},      // dark grey
    PanelStyle{kAltC, 0, 7, 8, false},
    PanelStyle{kAltD, 15, 8, 7, true},     // light grey
    PanelStyle{kAltE, 8, 15, 7, false},
    PanelStyle{kDigit0, 11, 0, 9, true},   // blue
    PanelStyle{kDigit1, 0, 11, 9, false},
    PanelStyle{kDigit2, 11, 0, 3, true},   // cyan
    PanelStyle{kDigit3, 0, 11, 3, false},
    PanelStyle{kDigit4, 10, 0, 2, true},   // green
    PanelStyle{kDigit5, 0, 10, 2, false},
    PanelStyle{kDigit6, 14, 0, 6, true},   // yellow
    PanelStyle{kDigit7, 0, 14, 6, false},
    PanelStyle{kDigit8, 13, 0, 5, true},   // magenta
    PanelStyle{kDigit9, 0, 13, 5, false},
};

constexpr std::uint8_t kTopLeft = 218;      // ┌
constexpr std::uint8_t kTopRight = 191;     // ┐
constexpr std::uint8_t kBottomLeft = 192;   // └
constexpr std::uint8_t kBottomRight = 217;  // ┘
constexpr std::uint8_t kAcross = 196;       // ─
constexpr std::uint8_t kDown = 179;         // │

}  // namespace

std::span<const PanelStyle> PanelStyles() { return kStyles; }

const PanelStyle* FindPanelStyle(int keynumber) {
  auto it = std::find_if(kStyles.begin(), kStyles.end(),
                         [keynumber](const PanelStyle& s) { return s.keynumber == keynumber; });
  return it == kStyles.end() ? nullptr : &*it;
}

console::ScreenImage PanelImage(const PanelStyle& style, int width, int height) {
  const auto first = static_cast<std::uint8_t>(console::Attribute(style.first_edge, style.background));
  const auto second = static_cast<std::uint8_t>(console::Attribute(style.second_edge, style.background));
  console::ScreenImage box(width, height, ' ', first);
  // The pieces in the order they are drawn: the top edge up to its right corner, each
  // side row, then the bottom edge from its left corner.
  box.Set(1, 1, kTopLeft, first);
  for (int c = 2; c < width; ++c) box.Set(1, c, kAcross, first);
  box.Set(1, width, kTopRight, second);
  for (int r = 2; r < height; ++r) {
    box.Set(r, 1, kDown, first);
    box.Set(r, width, kDown, second);
  }
  box.Set(height, 1, kBottomLeft, first);
  for (int c = 2; c < width; ++c) box.Set(height, c, kAcross, second);
  box.Set(height, width, kBottomRight, second);
  return box;
}

core::Next DrawPanel(core::Editor& ed, core::Event& ev) {
  const PanelStyle* style = FindPanelStyle(ev.keynumber);
  if (style == nullptr) return core::Next::kBookkeeping;
  const auto& a = ed.selection.area;
  auto& con = ed.console;
  // After a smaller console size the area may reach past the work screen: only the part
  // on it is read and drawn over. A single column has no room between its side edges,
  // so it is no box either.
  const console::Rect on = core::ClipArea(con, a, ed.rows() - 1);
  if (!core::HasTwoRowArea(ed) || a.c1 == a.c2 || on.empty()) {
    core::TwoCornerWarning(ed);
    return core::Next::kBookkeeping;
  }
  core::FlashArea(ed);
  ed.lines.pending = 0;
  auto& buffer = ed.selection.buffer;
  buffer.image = con.ReadRegion(on.top, on.left, on.bottom, on.right);
  buffer.width = on.width();
  buffer.height = on.height();
  PutImageClipped(con, a.r1, a.c1, PanelImage(*style, a.c2 - a.c1 + 1, a.r2 - a.r1 + 1), on.bottom);
  return core::Next::kBookkeeping;
}

}  // namespace tessella::areas
