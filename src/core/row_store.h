#pragma once
// The document: a long column of console rows (row images of 4-byte cell records),
// shown one page at a time, with the counters the toolbar's page number comes from.
// Every change of its rows is noted in its history while undo needs it.
#include <string>
#include <vector>

#include "core/row_changes.h"

namespace tessella::console {
class Console;
class RecordImage;
}  // namespace tessella::console

namespace tessella::core {

class RowStore {
 public:
  static constexpr int kLastIndex = 35000;
  static constexpr int kInitialRows = 4400;

  RowStore() : rows_(kLastIndex + 1) {}

  // A new document: rows 1..4,400 become blank rows (a space with attribute 249, light
  // blue on bright white, in every column), kept empty and so blank at any width
  // `cols`. What the history held is forgotten.
  void Blank(int cols);
  static std::string BlankRow(int cols);

  // A row image is either empty (a blank row, or one never written: it shows as the
  // blank row at any width) or one console row as wide as the console. A row of blank
  // cells only is always kept empty, so blank rows take no room.
  const std::string& row(int index) const { return rows_.at(static_cast<size_t>(index)); }
  void set_row(int index, std::string image);
  // Inserts at index, every later row moving one on; the row at the last index is lost.
  void Insert(int index, std::string image);
  // Removes the row at index, every later row moving one back; the last index receives a
  // copy of the removed row.
  void Remove(int index);

  // Index of the row shown on console row 1.
  int current = 0;
  // The highest index a page `height` rows high may start at: it then ends on the
  // store's last row.
  static int LastPageStart(int height) { return kLastIndex - height + 1; }

  // Store page: console rows 1..R-1 into the store from `current` on; current moves
  // past them. Rows that would lie beyond the last index are not stored.
  void StorePage(const console::Console& console);
  // The work rows of a whole-console picture (all rows but its last) into the store
  // from `current` on; current stays.
  void StorePicture(const console::RecordImage& picture);
  // Load page: console rows 1..R-1 from the store from `current` on. A row never
  // written, or one beyond the last index, shows as the blank row.
  void LoadPage(console::Console& console) const;
  // Every row image, and every one the history holds, cut or padded with blank cells
  // to `cols` columns.
  void Refit(int cols);

  RowHistory& history() { return history_; }
  // The rows as they stood in a state the history keeps; false when it keeps none such.
  bool GoTo(RowHistory::State state) { return history_.GoTo(state, rows_); }

 private:
  std::vector<std::string> rows_;
  RowHistory history_;
};

}  // namespace tessella::core
