#include "editor/toolbar.h"

#include <string>

#include "areas/line_drawing.h"
#include "help/catalogue.h"

namespace tessella::editor {

void DrawToolbar(Editor& ed) {
  auto& con = ed.console;
  const int row = con.rows();
  const help::Picture& bar = help::GetPicture("toolbar");
  std::string image(bar.image);
  con.Putz(1, bar.width(), row, row, image);
  con.Locate(row, 43);
  con.Print(std::string(areas::StyleGlyphs(ed.lines.style)) + " TxColor BgColor");
}

void PaintLiveFields(Editor& ed) {
  auto& con = ed.console;
  const int row = con.rows();
  con.PutText(row, 66, 12, 7, std::to_string(ed.page_number + 1));
  con.PutText(row, 72, 12, 7, std::to_string(ed.cursor_row));
  con.PutText(row, 78, 12, 7, std::to_string(ed.cursor_col));
  con.PutText(row, 45, ed.txcolor, ed.bgcolor, " Txcolor BGcolor");
}

}  // namespace tessella::editor
