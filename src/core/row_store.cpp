#include "core/row_store.h"

#include <algorithm>

#include "console/console.h"

namespace tessella::core {

std::string RowStore::BlankRow(int cols) {
  std::string row;
  row.reserve(static_cast<size_t>(cols) * console::kRecordBytes);
  for (int c = 0; c < cols; ++c) row += std::string{' ', ' ', static_cast<char>(249), ' '};
  return row;
}

void RowStore::Blank(int cols) {
  const std::string blank = BlankRow(cols);
  for (int i = 1; i <= kInitialRows; ++i) rows_[i] = blank;
}

void RowStore::Insert(int index, std::string image) {
  if (index < 0 || index > kLastIndex) return;
  std::move_backward(rows_.begin() + index, rows_.end() - 1, rows_.end());
  rows_[index] = std::move(image);
}

void RowStore::Remove(int index) {
  if (index < 0 || index > kLastIndex) return;
  std::string removed = rows_[index];
  std::move(rows_.begin() + index + 1, rows_.end(), rows_.begin() + index);
  rows_[kLastIndex] = std::move(removed);
}

void RowStore::StorePage(const console::Console& console) {
  const int cols = console.cols();
  for (int r = 1; r <= console.rows() - 1; ++r) {
    if (current >= 0 && current <= kLastIndex) rows_[current] = console.ReadRegion(r, 1, r, cols);
    ++current;
  }
}

void RowStore::LoadPage(console::Console& console) const {
  const int cols = console.cols();
  for (int r = 1; r <= console.rows() - 1; ++r) {
    const int index = current + r - 1;
    if (index < 0 || index > kLastIndex) continue;
    console.WriteRegion(r, 1, r, cols, rows_[index]);
  }
}

}  // namespace tessella::core
