// Color: every cell of the area keeps its character and takes the typing colours.
#include <string>

#include "core/area_bounds.h"
#include "areas/area_commands.h"
#include "core/area_flash.h"

namespace tessella::areas {

core::Next Colour(core::Editor& ed, core::Event&) {
  if (!RequireArea(ed)) return core::Next::kBookkeeping;
  auto& con = ed.console;
  ed.lines.pending = 0;
  // The cells are rewritten as records rather than printed as text, so control
  // characters and 0 stay exactly what they were. Every row of the area is recoloured,
  // however tall the console.
  const console::Rect on = ClipArea(con, ed.selection.area, ed.rows());
  if (!on.empty()) {
    std::string records = con.ReadRegion(on.top, on.left, on.bottom, on.right);
    const char attr = static_cast<char>(console::Attribute(ed.pen.txcolor, ed.pen.bgcolor));
    for (size_t at = 0; at + console::kRecordBytes <= records.size(); at += console::kRecordBytes) {
      // What text output in the typing colours leaves in a cell.
      records[at + 1] = 0;
      records[at + 2] = attr;
      records[at + 3] = 0;
    }
    con.WriteRegion(on.top, on.left, on.bottom, on.right, records);
  }
  ed.pen.cursor_row = ed.selection.area.r1;
  ed.pen.cursor_col = ed.selection.area.c1;
  ed.selection.Drop();
  ed.SetOutputColour();
  return core::Next::kBookkeeping;
}

}  // namespace tessella::areas
