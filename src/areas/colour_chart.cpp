// The colour chart: every foreground on every background, composed on a hidden page and
// shown in one step.
#include <array>
#include <string_view>

#include "areas/cell_output.h"
#include "areas/charts.h"
#include "ui/catalogue.h"

namespace tessella::areas {
namespace {

constexpr int kScreenPage = 1;
constexpr int kComposePage = 4;

// Sample of foreground f on background b: three ≡ at row 6 + f, columns 10 + 4b to
// 12 + 4b, each followed (but the last of a row) by a blank in bright white on black.
constexpr int kFirstRow = 6;
constexpr int kFirstCol = 10;
constexpr int kLastCol = 72;
constexpr std::string_view kSample = "\xF0\xF0\xF0";
constexpr int kGap = console::Attribute(15, 0);

// The samples whose attribute byte is NUL, tab, line feed, carriage return, Ctrl-Z or
// the double quote: bytes that break DATA lines and files. Each is overwritten by a
// marker in colours of its own, which is what a click there picks.
struct Marker {
  int row;
  int col;
  int fg;
  int bg;
};
constexpr std::array kMarkers = {
    Marker{6, 10, 15, 0}, Marker{15, 10, 9, 0}, Marker{19, 10, 13, 0},
    Marker{16, 10, 10, 0}, Marker{8, 18, 15, 2}, Marker{16, 14, 10, 1},
};

void DrawSamples(console::Console& con) {
  for (int f = 0; f < 16; ++f) {
    for (int b = 0; b < 16; ++b) {
      const int col = kFirstCol + 4 * b;
      PutClipped(con, kFirstRow + f, col, console::Attribute(f, b), kSample);
      if (b < 15) PutClipped(con, kFirstRow + f, col + 3, kGap, " ");
    }
  }
}

bool OnSamples(const console::Console& con, const console::Event& ev) {
  return (ev.lft || ev.rgt) && ev.row >= kFirstRow && ev.row <= kFirstRow + 15 &&
         ev.col >= kFirstCol && ev.col <= kLastCol && ev.row <= con.rows() && ev.col <= con.cols();
}

}  // namespace

std::optional<Colours> PickColours(const ui::Modal& ui) {
  auto& con = ui.console;
  con.SetCursorVisible(false);
  const console::RecordImage under = con.Snapshot();
  ui::DrawPicture(con, ui::PictureId::kColourChart);
  con.CopyPage(kScreenPage, kComposePage);
  con.SetOutputPage(kComposePage);
  DrawSamples(con);
  con.CopyPage(kComposePage, kScreenPage);
  con.SetOutputPage(kScreenPage);
  con.SetDisplayedPage(kScreenPage);
  for (const Marker& m : kMarkers) PutClipped(con, m.row, m.col, console::Attribute(m.fg, m.bg), "XXX");

  const console::Event ev = console::GetKey(ui.input);
  std::optional<Colours> picked;
  if (OnSamples(con, ev)) {
    const int attr = con.AtDisplayed(ev.row, ev.col).attr;
    picked = Colours{attr % 16, attr / 16};
  }
  con.Restore(under);
  con.SetCursorVisible(true);
  return picked;
}

core::Next ColourChart(core::Editor& ed, core::Event&) {
  if (const std::optional<Colours> picked = PickColours(ed.modal())) {
    ed.pen.txcolor = picked->fg;
    ed.pen.bgcolor = picked->bg;
  }
  ed.SetOutputColour();
  return core::Next::kBookkeeping;
}

}  // namespace tessella::areas
