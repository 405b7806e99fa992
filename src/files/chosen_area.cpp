#include "files/chosen_area.h"

#include "core/area_bounds.h"
#include "ui/message_box.h"

namespace tessella::files {

std::optional<ChosenCells> ReadChosenCells(core::Editor& ed) {
  const console::Rect place = core::ClipArea(ed.console, ed.selection.area, ed.rows() - 1);
  if (place.empty()) {
    ui::ShowMessage(ed.modal(), "The area is not on the work screen");
    return std::nullopt;
  }
  return ChosenCells{place,
                     ed.console.ReadImage(place.top, place.left, place.bottom, place.right).ToScreen()};
}

}  // namespace tessella::files
