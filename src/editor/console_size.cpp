// Reset Console Size: the user enters a new number of work rows and columns.
#include <algorithm>
#include <cmath>
#include <string>

#include "console/line_input.h"
#include "core/page_numbers.h"
#include "editor/text_entry.h"
#include "ui/dialog.h"

namespace tessella::editor {
namespace {

// The whole line the user types is read (a number with leading zeros still counts);
// the field shows what fits in it.
constexpr int kLineLength = 255;
constexpr int kPromptFg = 14;
constexpr int kPromptBg = 4;

// A size entered as text, or 0 when it is not a usable whole number of cells (no
// number, zero or less, or too large for a console at all).
int SizeFromText(const std::string& text, int extra) {
  constexpr double kTooLarge = 1e6;
  const double value = console::Val(text) + extra;
  if (!(value >= 1) || value >= kTooLarge) return 0;
  return static_cast<int>(std::lround(value));
}

}  // namespace

core::Next ResetConsoleSize(core::Editor& ed, core::Event&) {
  auto& con = ed.console;
  const int old_rows = con.rows();
  const console::RecordImage under = con.Snapshot();

  namespace box = ui::screen_size;
  ui::ShowBox(ed.modal(), box::kPicture);
  con.SetColor(kPromptFg, kPromptBg);
  const std::string rows_text =
      ui::ReadField(ed.modal(), box::kPicture, box::kRowsField, kLineLength);
  const std::string cols_text =
      ui::ReadField(ed.modal(), box::kPicture, box::kColumnsField, kLineLength);

  // The number entered is the number of work rows; the toolbar line comes below them.
  const int rows = SizeFromText(rows_text, 1);
  const int cols = SizeFromText(cols_text, 0);
  // A size the front end or the console cannot take leaves everything as it was,
  // the document included.
  const bool taken = ports::ConsoleSizeIsUsable(rows, cols) &&
                     ed.host.RequestSize(rows, cols) && con.SetSize(rows, cols);
  if (!taken) {
    con.Restore(under);
    ed.Beep();
    ed.SetOutputColour();
    return core::Next::kLoopTop;
  }

  // The document is kept: the page on display (as it was before the box) goes into the
  // row store, every row is cut or padded to the new width, and the same page is shown
  // again at the new size, its rows beyond the new height moving on to the next page.
  ed.doc.store.StorePicture(under);
  ed.doc.store.Refit(cols);
  core::FollowPageHeight(ed, old_rows - 1);
  ed.Pause(200);
  ed.SetOutputColour();
  con.Clear();
  ed.doc.store.LoadPage(con);
  // The cursor and the margin stay inside the new work screen.
  ed.pen.cursor_row = std::clamp(ed.pen.cursor_row, 1, std::max(1, rows - 1));
  ed.pen.cursor_col = std::clamp(ed.pen.cursor_col, 1, cols);
  ed.pen.left_margin = std::clamp(ed.pen.left_margin, 1, cols);
  return core::Next::kLoopTop;
}

}  // namespace tessella::editor
