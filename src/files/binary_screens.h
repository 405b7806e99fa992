#pragma once
// The binary screen files: every page of the document, cell by cell, with no header.
// .BNY keeps two bytes a cell (character, attribute), .BNA the console's whole 4-byte
// cell record; .BNK is a .BNY backup and reads like one. Neither the page height nor the
// width is stored: a reader cuts the cells into rows of the console's current width.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessella::files {

// Row images read from a file, in order, for the document from its first row on. Every
// row is 4 x width bytes except perhaps the last, which may be shorter (a file that ends
// inside a row); a file that ends inside a cell loses that half cell.
struct LoadedRows {
  std::vector<std::string> rows;
  // The file held more rows than the document had room for; they were left out.
  bool cut = false;
};

// .BNY (and .BNK): each byte pair becomes the record (character, 32, attribute, 32).
// An empty file gives one empty row, as the loader stores it. At most `max_rows` rows.
LoadedRows DecodeBny(std::string_view bytes, int width, int max_rows);
// .BNA: the records as they stand, pads included. An empty file gives no rows.
LoadedRows DecodeBna(std::string_view bytes, int width, int max_rows);

// The row image at a document index; an empty view for a row never filled.
using RowAt = std::function<std::string_view(int index)>;

struct PageRange {
  int first_row = 0;
  int pages = 0;
  bool operator==(const PageRange&) const = default;
};

struct PageShape {
  int height = 0;  // rows of a page (console rows less the toolbar line)
  int width = 0;   // console columns
};

// Which pages a save writes. Without a Save Part count: every page from the first up to
// and including the last page index. With one: that many from the page on display
// (current_row). Either way no page reaches past the document's `store_rows` rows, and
// a count below 0 writes nothing.
PageRange PagesToSave(int last_page_index, std::optional<int> part_pages, int current_row,
                      int page_height, int store_rows);

// The answer to "Enter Number of Screens": none for an empty line (every page), else the
// value of its leading digits.
std::optional<int> PartPagesAnswer(std::string_view line);

// Cells a row image does not hold (a row never filled, or one narrower than the page)
// are written as a blank in attribute 249, the cell of a new document.
inline constexpr unsigned char kBlankAttribute = 249;

// The pages' bytes: 2 x width bytes a row for .BNY, 4 x width for .BNA (pads as stored).
std::string EncodeBny(const RowAt& row_at, PageRange range, PageShape shape);
std::string EncodeBna(const RowAt& row_at, PageRange range, PageShape shape);

}  // namespace tessella::files
