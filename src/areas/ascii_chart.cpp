// The extended ASCII chart.
#include <array>
#include <string>

#include "areas/cell_output.h"
#include "areas/charts.h"
#include "ui/catalogue.h"

namespace tessella::areas {
namespace {

// The columns a click may fall in and the chart column whose character it picks: one
// band per entry column, the entry's code and character and the blanks before them.
struct Band {
  int from;
  int to;
  int chart_col;
};
constexpr std::array kBands = {
    Band{6, 11, 10},  Band{13, 19, 18}, Band{21, 27, 26}, Band{29, 35, 34}, Band{37, 43, 42},
    Band{45, 51, 50}, Band{53, 59, 58}, Band{61, 67, 66}, Band{69, 75, 74},
};
// Rows a click picks on. The chart's frame and title rows are not told apart: a click
// there picks the frame character or letter of the band's column.
constexpr int kLastPickRow = 22;

std::optional<std::uint8_t> ShownInBand(const console::Console& con, const console::Event& ev) {
  if (!ev.lft || ev.row < 1 || ev.row > kLastPickRow) return std::nullopt;
  for (const Band& band : kBands) {
    if (ev.col < band.from || ev.col > band.to) continue;
    // On a narrow console the column may not be shown at all: nothing is picked there.
    if (band.chart_col > con.cols() || ev.row > con.rows()) return std::nullopt;
    return con.AtDisplayed(ev.row, band.chart_col).ch;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::uint8_t> PickCharacter(const ui::Modal& ui) {
  auto& con = ui.console;
  con.SetCursorVisible(false);
  const console::RecordImage under = con.Snapshot();
  ui::DrawPicture(con, ui::PictureId::kCharPicker);
  const console::Event ev = console::GetKey(ui.input);
  const std::optional<std::uint8_t> picked = ShownInBand(con, ev);
  con.Restore(under);
  con.SetCursorVisible(true);
  return picked;
}

core::Next AsciiChart(core::Editor& ed, core::Event&) {
  const std::optional<std::uint8_t> picked = PickCharacter(ed.modal());
  if (!picked) return core::Next::kBookkeeping;
  ed.SetOutputColour();
  // Only on the work screen: the cursor is there unless a command left it elsewhere.
  if (ed.pen.cursor_row < ed.rows()) {
    const char ch = static_cast<char>(*picked);
    PutClipped(ed.console, ed.pen.cursor_row, ed.pen.cursor_col, ed.console.color(), std::string(1, ch));
  }
  ed.lines.pending = *picked;
  return core::Next::kBookkeeping;
}

}  // namespace tessella::areas
