#pragma once
// The document: a long column of console rows (row images of 4-byte cell records),
// shown one page at a time, with the counters the toolbar's page number comes from.
#include <string>
#include <vector>

namespace tessella::console {
class Console;
}

namespace tessella::core {

class RowStore {
 public:
  static constexpr int kLastIndex = 35000;
  static constexpr int kInitialRows = 4400;

  RowStore() : rows_(kLastIndex + 1) {}

  // Rows 1..4,400 become the blank row image for `cols` columns: a space with
  // attribute 249 (light blue on bright white) in every column.
  void Blank(int cols);
  static std::string BlankRow(int cols);

  const std::string& row(int index) const { return rows_.at(index); }
  void set_row(int index, std::string image) { rows_.at(index) = std::move(image); }
  // Inserts at index, every later row moving one on; the row at the last index is lost.
  void Insert(int index, std::string image);
  // Removes the row at index, every later row moving one back; the last index receives a
  // copy of the removed row.
  void Remove(int index);

  // Index of the row shown on console row 1.
  int current = 0;

  // Store page: console rows 1..R-1 into the store from `current` on; current moves
  // past them. Rows that would lie beyond the last index are not stored.
  void StorePage(const console::Console& console);
  // Load page: console rows 1..R-1 from the store from `current` on. Empty row images
  // (and rows beyond the last index) leave the console row as it was.
  void LoadPage(console::Console& console) const;

 private:
  std::vector<std::string> rows_;
};

}  // namespace tessella::core
