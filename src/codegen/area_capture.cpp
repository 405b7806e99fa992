#include "codegen/area_capture.h"

#include "core/area_bounds.h"
#include "core/area_flash.h"

namespace tessella::codegen {

std::optional<CapturedArea> CaptureArea(core::Editor& ed) {
  if (!core::RequireArea(ed)) return std::nullopt;
  const console::Rect place = core::ClipArea(ed.console, ed.selection.area, ed.rows() - 1);
  if (place.empty()) {
    core::TwoCornerWarning(ed);
    return std::nullopt;
  }
  auto& buffer = ed.selection.buffer;
  buffer.width = place.width();
  core::FlashArea(ed);
  ed.lines.pending = 0;
  const console::RecordImage records =
      ed.console.ReadImage(place.top, place.left, place.bottom, place.right);
  buffer.image = records.bytes();
  return CapturedArea{records.ToScreen(), place};
}

void EndGenerator(core::Editor& ed) {
  ed.selection.buffer = core::AreaBuffer{};
  ed.selection.Drop();
  ed.SetOutputColour();
}

}  // namespace tessella::codegen
