#pragma once
// Turns the displayed console page into the bytes a terminal needs to show it. It keeps
// a shadow of what it last sent and appends escape sequences only for what differs,
// moving the cursor and changing colours only when it must. It writes into a string,
// never to a file descriptor, so the number of bytes per frame can be measured.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "platform/terminal_glyphs.h"

namespace tessella::platform {

// What one frame shows: the displayed page and the console's cursor and title.
struct TerminalFrame {
  std::span<const console::Cell> cells;  // rows * cols, row by row
  int rows = 0;
  int cols = 0;
  int cursor_row = 1;  // 1-based
  int cursor_col = 1;
  bool cursor_visible = true;
  int cursor_size = 25;  // percent of the cell, 10..99
  std::string_view title;

  static TerminalFrame Of(const console::Console& console);
};

class TerminalRenderer {
 public:
  // Glyphs in UTF-8 unless told otherwise.
  TerminalRenderer() : glyphs_(TerminalGlyphs::Utf8()) {}
  // How glyphs are sent from now on. Forgets what the terminal shows.
  void SetGlyphs(TerminalGlyphs glyphs);
  // Whether the terminal's erase-to-end-of-line fills with the current background
  // colour (terminfo bce), so a row that ends in blanks of one colour can be finished
  // with it instead of blank by blank. Terminals without it erase to their own default
  // background, which the program cannot know. On unless told otherwise.
  void SetBackgroundErase(bool on) { background_erase_ = on; }
  // The terminal's size in rows and columns. Forgets what the terminal shows, so the
  // next frame paints every cell.
  void SetTerminalSize(int rows, int cols);
  // Forgets what the terminal shows (after something else wrote to it).
  void Invalidate();

  // Appends to out what turns the terminal's picture into this frame. A frame equal
  // to the last one appends nothing.
  void Render(const TerminalFrame& frame, std::string& out);

  int terminal_rows() const { return term_rows_; }
  int terminal_cols() const { return term_cols_; }
  // Terminal rows given to the console by the last frame (the rest is the notice line).
  int shown_rows() const { return shown_rows_; }

 private:
  // Builds the picture the terminal should show, cell by cell: the console's top-left
  // part, blanks beyond it, and a notice on the last line when the console does not
  // fit.
  void Compose(const TerminalFrame& frame);
  // The column from which row `row` is finished by erasing to its end: where the run of
  // blanks of one colour that ends the row starts, when enough of the run has changed
  // to make the erase cheaper than the blanks. term_cols_ otherwise.
  int EraseFrom(int row) const;
  void EraseToEnd(int row, int col, std::string& out);
  void MoveTo(int row, int col, std::string& out);
  void SetAttribute(int attr, std::string& out);
  void PutCell(int row, int col, std::string& out);
  void PutGlyph(std::uint8_t ch, std::string& out);
  void RenderCursor(const TerminalFrame& frame, int shown_rows, std::string& out);

  TerminalGlyphs glyphs_;
  bool background_erase_ = true;
  int term_rows_ = 0;
  int term_cols_ = 0;
  std::vector<console::Cell> wanted_;
  std::vector<console::Cell> shadow_;  // what the terminal shows; see Invalidate
  int shown_rows_ = 0;                  // terminal rows given to the console

  // What the terminal was last told; -1 (or nothing) when unknown.
  int at_row_ = -1;  // 0-based position where the next glyph lands
  int at_col_ = -1;
  int attr_ = -1;
  int cursor_on_ = -1;
  int cursor_shape_ = -1;
  // The line-drawing set is on. Every way out of the program's screen switches it off,
  // so a repaint starts with it off.
  bool line_drawing_ = false;
  std::string title_;  // the terminal's own title stays until the console has one
};

}  // namespace tessella::platform
