#pragma once
// The in-memory console: eight pages of cell records, an output colour, a cursor and a
// title. Everything the program shows is written here; the front ends only display the
// page chosen for display. Coordinates are 1-based (row 1 at the top, column 1 at the
// left); rectangles are inclusive.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "console/screen_image.h"

namespace tessella::console {

inline constexpr int Attribute(int fg, int bg) { return (fg & 15) + 16 * (bg & 15); }

// Laid out exactly as a cell record, so rows of cells copy to and from record images.
struct Cell {
  std::uint8_t ch = ' ';
  std::uint8_t pad1 = 0;
  std::uint8_t attr = 7;
  std::uint8_t pad2 = 0;
  bool operator==(const Cell&) const = default;
};
static_assert(sizeof(Cell) == kRecordBytes);

class Console {
 public:
  static constexpr int kPageCount = 8;
  static constexpr int kDefaultRows = 35;
  static constexpr int kDefaultCols = 90;

  Console(int rows = kDefaultRows, int cols = kDefaultCols);

  int rows() const { return rows_; }
  int cols() const { return cols_; }

  // Changes the buffer size of every page; what fits is kept, new cells are blanks in
  // the output colour. Sizes below 1 are refused (returns false, nothing changes).
  bool SetSize(int rows, int cols);

  // --- The region routines ---------------------------------------------------------
  // Writes screen image scr (character, attribute pairs) into the rectangle on page 1,
  // whatever the output page; clipped to the buffer. Empties scr. Never reads beyond
  // the image: a short image fills only as many cells as it holds.
  void Putz(int lside, int rside, int top, int bottom, std::string& scr);
  // Record image of the rectangle on the output page; bottom and right are clamped to
  // the buffer, so the image may be smaller than asked.
  std::string ReadRegion(int top, int left, int bottom, int right) const;
  // Writes a record image into the rectangle on the output page, clipped to the
  // buffer. The image is laid out with the rectangle's width (not clamped); a short
  // image fills only the cells it holds.
  void WriteRegion(int top, int left, int bottom, int right, std::string_view image);
  // Writes at most 99 characters from (row, col) and gives them attribute fg + 16*bg.
  // Neither the cursor nor the output colour changes.
  void PutText(int row, int col, int fg, int bg, std::string_view text);
  // Marks one cell for the area outline: attribute 0x0E with the leading-byte flag in
  // the attribute's high byte (0x10E), character unchanged.
  void MarkCell(int row, int col);

  // The same two as image values: a rectangle read from the output page (clamped like
  // ReadRegion), and an image written with its top-left cell at (top, left).
  RecordImage ReadImage(int top, int left, int bottom, int right) const;
  void WriteImage(int top, int left, const RecordImage& image);
  // A screen image onto page 1 with its top-left cell at (top, left), as Putz does.
  void PutImage(int top, int left, const ScreenImage& image);

  // Whole buffer of the output page as a record image, and its restore.
  RecordImage Snapshot() const { return ReadImage(1, 1, rows_, cols_); }
  void Restore(const RecordImage& snapshot) {
    WriteRegion(1, 1, rows_, cols_, snapshot.bytes());
  }

  // --- Character and attribute runs (wrap to the next row, stop at the end) --------
  void WriteChars(int row, int col, std::string_view bytes);
  void FillAttribute(int row, int col, int count, int attr);
  void FillChar(int row, int col, int count, std::uint8_t ch);

  // --- Text output in the output colour --------------------------------------------
  void SetColor(int fg, int bg) { color_ = static_cast<std::uint8_t>(Attribute(fg, bg)); }
  int color() const { return color_; }
  // Text output position (the console cursor).
  void Locate(int row, int col);
  // Writes bytes as cells from the cursor, every byte one cell (control bytes too),
  // wrapping at the right edge and scrolling the output page at the bottom.
  void Print(std::string_view bytes);
  // Fills the output page with blanks in the output colour; cursor to 1, 1.
  void Clear();

  // --- Pages ----------------------------------------------------------------------
  void CopyPage(int from, int to);
  void SetOutputPage(int page);
  void SetDisplayedPage(int page);
  int output_page() const { return output_page_; }
  int displayed_page() const { return displayed_page_; }

  // --- Cursor and title -------------------------------------------------------------
  int cursor_row() const { return cursor_row_; }
  int cursor_col() const { return cursor_col_; }
  bool cursor_visible() const { return cursor_visible_; }
  void SetCursorVisible(bool v) { cursor_visible_ = v; }
  int cursor_size() const { return cursor_size_; }
  void SetCursorSize(int percent);  // limited to 10..99
  const std::string& title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  // --- Reading cells ---------------------------------------------------------------
  Cell At(int page, int row, int col) const;
  Cell AtOutput(int row, int col) const { return At(output_page_, row, col); }
  Cell AtDisplayed(int row, int col) const { return At(displayed_page_, row, col); }
  // The displayed page as cells, row by row (for front ends and dumps).
  const std::vector<Cell>& DisplayedCells() const { return pages_[displayed_page_ - 1]; }

 private:
  bool Inside(int row, int col) const {
    return row >= 1 && row <= rows_ && col >= 1 && col <= cols_;
  }
  std::vector<Cell>& Page(int page) { return pages_[page - 1]; }
  const std::vector<Cell>& Page(int page) const { return pages_[page - 1]; }
  Cell& OutCell(int row, int col) {
    return Page(output_page_)[(row - 1) * cols_ + (col - 1)];
  }
  void ScrollOutputUp();

  int rows_;
  int cols_;
  std::array<std::vector<Cell>, kPageCount> pages_;
  int output_page_ = 1;
  int displayed_page_ = 1;
  std::uint8_t color_ = 7;
  int cursor_row_ = 1;
  int cursor_col_ = 1;
  bool cursor_visible_ = true;
  int cursor_size_ = 25;
  std::string title_;
};

}  // namespace tessella::console
