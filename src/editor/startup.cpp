#include "editor/startup.h"

#include "help/catalogue.h"

namespace tessella::editor {
namespace {

// A terminal that stays smaller than the size asked for gets a console of its own
// size, so the toolbar line and every command are on screen.
void SizeConsole(Editor& ed, int rows, int cols) {
  if (!ed.host.RequestSize(rows, cols)) return;
  const platform::ConsoleSize fit = ed.host.FitSize(rows, cols);
  ed.console.SetSize(fit.rows, fit.cols);
}

}  // namespace

void StartUp(Editor& ed) {
  auto& con = ed.console;
  SizeConsole(ed, console::Console::kDefaultRows, console::Console::kDefaultCols);
  con.SetColor(1, 15);
  con.Clear();
  help::DrawPicture(con, "title");
  con.SetCursorVisible(false);  // no cursor blinking on the picture's corner
  ed.input.SetMouseMode(console::MouseMode::kStandard);
  ed.Pause(100);
  ed.lines = LineDrawing{};
  ed.txcolor = 1;
  ed.bgcolor = 15;
  ed.left_margin = 1;

  ed.input.Wait();  // the title stays up until a key or a click

  con.SetTitle(kTitleWhileStarting);
  help::DrawPicture(con, "logo");
  ed.Pause(200);
  SizeConsole(ed, console::Console::kDefaultRows, console::Console::kDefaultCols);

  ed.store.Blank(con.cols());
  ed.Pause(10);
  con.SetColor(1, 15);
  con.Clear();

  ed.line_counter = 1;
  ed.cursor_row = 10;
  ed.cursor_col = 40;
  con.SetCursorSize(99);
  con.Locate(ed.cursor_row, ed.cursor_col);
}

void ShowTitle(Editor& ed) { ed.console.SetTitle(kTitle + ed.file_name); }

}  // namespace tessella::editor
