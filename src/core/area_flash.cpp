#include "core/area_flash.h"

#include <string>

#include "core/area_bounds.h"
#include "ui/catalogue.h"

namespace tessella::core {
namespace {

constexpr char kShade = static_cast<char>(176);
constexpr int kFlashMs = 500;

}  // namespace

void FlashArea(Editor& ed) {
  auto& con = ed.console;
  const int work_rows = con.rows() - 1;
  const std::string under = con.ReadRegion(1, 1, work_rows, con.cols());
  // Only the part on the work screen is shaded: text output past the right edge would
  // wrap, and at the bottom row it would scroll the page.
  const console::Rect shown = ClipArea(con, ed.selection.area, work_rows);
  con.SetColor(14, 4);
  if (!shown.empty()) {
    const std::string shade(static_cast<size_t>(shown.width()), kShade);
    for (int row = shown.top; row <= shown.bottom; ++row) {
      con.Locate(row, shown.left);
      con.Print(shade);
    }
  }
  ed.Pause(kFlashMs);  // the host shows the console while it pauses
  ed.SetOutputColour();
  con.WriteRegion(1, 1, work_rows, con.cols(), under);
}

void TwoCornerWarning(Editor& ed) {
  auto& con = ed.console;
  ed.Beep();
  const console::RecordImage under = con.Snapshot();
  ui::DrawPicture(con, ui::PictureId::kTwoCorners);
  ed.input.SetMouseMode(console::MouseMode::kStandard);
  ed.input.Wait();
  con.Restore(under);
}

bool RequireArea(Editor& ed) {
  if (HasArea(ed)) return true;
  TwoCornerWarning(ed);
  return false;
}

bool RequireTwoRowArea(Editor& ed) {
  if (HasTwoRowArea(ed)) return true;
  TwoCornerWarning(ed);
  return false;
}

}  // namespace tessella::core
