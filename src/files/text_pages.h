#pragma once
// Plain text in and out of the document. Export writes the characters of the pages, one
// line a row; the viewer lays any other file's lines out as rows to print from column 3.
#include <string>
#include <string_view>
#include <vector>

#include "files/binary_screens.h"

namespace tessella::files {

// For each row of the pages, the characters of its `shape.width` cells and CR LF; cells
// a row image does not hold (a row never filled, a short row) are written as blanks, as
// they show. Attributes are not written.
std::string EncodeTextPages(const RowAt& row_at, PageRange range, PageShape shape);

// The viewer prints from this column and leaves as many columns free at the right.
inline constexpr int kTextViewColumn = 3;

struct TextRows {
  // What to print on each row, in order, from kTextViewColumn: no longer than the
  // console width less 4.
  std::vector<std::string> rows;
  // The file held more than `max_rows` rows; the rest was left out.
  bool cut = false;
};

// Lines end at CR LF, LF or a lone CR. Tabs move to the next multiple of eight columns,
// trailing blanks go, and a line too long for the row is broken after its last blank
// that fits (or cut where it must). DOS end-of-file marks (0x1A) at the very end are
// dropped; every other byte, NUL included, is a cell of its own.
TextRows ViewTextRows(std::string_view bytes, int width, int max_rows);

}  // namespace tessella::files
