#include "app/startup.h"

#include "files/file_commands.h"
#include "ui/catalogue.h"

namespace tessella::app {
namespace {

// A terminal that stays smaller than the size asked for gets a console of its own
// size, so the toolbar line and every command are on screen.
void SizeConsole(core::Editor& ed, int rows, int cols) {
  if (!ed.host.RequestSize(rows, cols)) return;
  const ports::ConsoleSize fit = ed.host.FitSize(rows, cols);
  ed.console.SetSize(fit.rows, fit.cols);
}

}  // namespace

void StartUp(core::Editor& ed) {
  auto& con = ed.console;
  SizeConsole(ed, console::Console::kDefaultRows, console::Console::kDefaultCols);
  con.SetColor(1, 15);
  con.Clear();
  ui::DrawPicture(con, ui::PictureId::kTitle);
  con.SetCursorVisible(false);  // no cursor blinking on the picture's corner
  ed.input.SetMouseMode(console::MouseMode::kStandard);
  ed.Pause(100);
  ed.lines = core::LineDrawing{};
  ed.pen.txcolor = 1;
  ed.pen.bgcolor = 15;
  ed.pen.left_margin = 1;

  ed.input.Wait();  // the title stays up until a key or a click

  con.SetTitle(kTitleWhileStarting);
  ui::DrawPicture(con, ui::PictureId::kLogo);
  ed.Pause(200);
  SizeConsole(ed, console::Console::kDefaultRows, console::Console::kDefaultCols);

  ed.doc.store.Blank(con.cols());
  ed.Pause(10);
  con.SetColor(1, 15);
  con.Clear();

  ed.doc.line_counter = 1;
  ed.pen.cursor_row = 10;
  ed.pen.cursor_col = 40;
  con.SetCursorSize(99);
  con.Locate(ed.pen.cursor_row, ed.pen.cursor_col);
}

void ShowTitle(core::Editor& ed) {
  const std::optional<std::string> art_title = files::ArtTitle(ed);
  ed.console.SetTitle(art_title ? *art_title : kTitle + ed.doc.file_name);
}

}  // namespace tessella::app
