#include "app/toolbar.h"

#include <string>
#include <string_view>

#include "areas/line_drawing.h"
#include "ui/catalogue.h"

namespace tessella::app {

void DrawToolbar(core::Editor& ed) {
  auto& con = ed.console;
  const int row = con.rows();
  const ui::Picture& bar = ui::GetPicture(ui::PictureId::kToolbar);
  std::string image(bar.image);
  con.Putz(1, bar.width(), row, row, image);
  // Only what fits on the toolbar line is printed: on a narrow console the text would
  // otherwise wrap past the last row and scroll the whole work screen up.
  constexpr int kStyleColumn = 43;
  const std::string label = std::string(areas::StyleGlyphs(ed.lines.style)) + " TxColor BgColor";
  const int room = con.cols() - kStyleColumn + 1;
  if (room <= 0) return;
  con.Locate(row, kStyleColumn);
  con.Print(std::string_view(label).substr(0, static_cast<size_t>(room)));
}

void PaintLiveFields(core::Editor& ed) {
  auto& con = ed.console;
  const int row = con.rows();
  con.PutText(row, 66, 12, 7, std::to_string(ed.doc.page_number + 1));
  con.PutText(row, 72, 12, 7, std::to_string(ed.pen.cursor_row));
  con.PutText(row, 78, 12, 7, std::to_string(ed.pen.cursor_col));
  con.PutText(row, 45, ed.pen.txcolor, ed.pen.bgcolor, " Txcolor BGcolor");
}

}  // namespace tessella::app
