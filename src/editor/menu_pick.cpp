#include "editor/menu_pick.h"

#include "editor/menu_draw.h"
#include "editor/menu_model.h"

namespace tessella::editor::menu {
namespace {

constexpr int kFirstItemRow = 4;
constexpr int kLastItemRow = 2 * kMaxItems + 2;  // row 30

}  // namespace

Pick PickItem(const ui::Modal& ui, int m) {
  Pick pick;
  pick.event = console::GetKey(ui.input);
  const auto& ev = pick.event;
  const DropDownMenu* menu = DropDownOf(m);
  const bool clicked = ev.lft || ev.rgt;
  if (menu && clicked && ev.col >= menu->span_left && ev.col <= menu->span_right &&
      ev.row >= kFirstItemRow && ev.row <= kLastItemRow && ev.row % 2 == 0) {
    pick.chosen = true;
    pick.k = (ev.row - 2) / 2;
    return pick;
  }
  // A spacer row, the bottom edge, anywhere outside the span, or a key: close.
  ui.console.CopyPage(kBarPage, kScreenPage);
  return pick;
}

}  // namespace tessella::editor::menu
