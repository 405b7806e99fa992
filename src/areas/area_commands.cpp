// Copy, Cut and the whole-screen copy: the commands that fill the area buffer.
#include "areas/area_commands.h"

#include <string>

#include "core/area_bounds.h"
#include "core/area_flash.h"

namespace tessella::areas {
namespace {

using core::Next;

// The area buffer takes what is on the console inside the area. Its width and height
// are those of the cells really read, so the image always matches them, even for
// corners that Paste left past the console's edge.
console::Rect ReadIntoBuffer(core::Editor& ed) {
  const console::Rect on = ClipArea(ed.console, ed.selection.area, ed.rows());
  auto& buffer = ed.selection.buffer;
  if (on.empty()) {
    buffer = core::AreaBuffer{};
    return on;
  }
  buffer.image = ed.console.ReadRegion(on.top, on.left, on.bottom, on.right);
  buffer.width = on.width();
  buffer.height = on.height();
  return on;
}

void CursorToFirstCorner(core::Editor& ed) {
  ed.pen.cursor_row = ed.selection.area.r1;
  ed.pen.cursor_col = ed.selection.area.c1;
}

}  // namespace

core::Next Copy(core::Editor& ed, core::Event&) {
  if (!RequireArea(ed)) return core::Next::kBookkeeping;
  FlashArea(ed);
  ed.lines.pending = 0;
  ReadIntoBuffer(ed);
  ed.SetOutputColour();
  CursorToFirstCorner(ed);
  ed.selection.Drop();
  return core::Next::kBookkeeping;
}

core::Next Cut(core::Editor& ed, core::Event&) {
  if (!RequireArea(ed)) return core::Next::kBookkeeping;
  auto& con = ed.console;
  // The second click reads the colours: the blank takes the background of the cell
  // under the second corner as it is before anything changes.
  const console::Rect on = ClipArea(con, ed.selection.area, ed.rows());
  const int fill_bg = on.empty() ? ed.pen.bgcolor : con.AtOutput(on.bottom, on.right).attr / 16;
  ed.lines.pending = 0;
  ReadIntoBuffer(ed);
  if (!on.empty()) {
    // Only cells on the console are blanked: spaces printed past the right edge of the
    // bottom row would scroll the whole page up.
    con.SetColor(ed.pen.txcolor, fill_bg);
    const std::string blanks(static_cast<size_t>(on.width()), ' ');
    for (int row = on.top; row <= on.bottom; ++row) {
      con.Locate(row, on.left);
      con.Print(blanks);
    }
  }
  CursorToFirstCorner(ed);
  ed.SetOutputColour();
  ed.selection.Drop();
  return core::Next::kBookkeeping;
}

core::Next CopyWholeScreen(core::Editor& ed, core::Event&) {
  ed.selection.area = core::AreaCorners{1, 1, ed.rows() - 1, ed.cols()};
  FlashArea(ed);
  ed.lines.pending = 0;
  ReadIntoBuffer(ed);
  ed.SetOutputColour();
  ed.pen.cursor_row = 1;
  ed.pen.cursor_col = 1;
  return core::Next::kBookkeeping;
}

}  // namespace tessella::areas
