#include "core/row_store.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "console/console.h"

namespace tessella::core {
namespace {

constexpr char kBlankAttribute = static_cast<char>(249);

// A row image cut or padded with blank cells to `cols` columns; an empty one stays
// empty (it is blank at any width).
void FitRow(std::string& image, int cols) {
  const size_t width = static_cast<size_t>(cols) * console::kRecordBytes;
  if (image.empty() || image.size() == width) return;
  image.resize(image.size() / console::kRecordBytes * console::kRecordBytes);
  if (image.size() > width) {
    image.resize(width);
    return;
  }
  image += RowStore::BlankRow(static_cast<int>((width - image.size()) / console::kRecordBytes));
}

bool Inside(int index) { return index >= 0 && index <= RowStore::kLastIndex; }

// Blank cells (a space in attribute 249, both pads 32), compared a run at a time.
constexpr auto kBlankCells = [] {
  std::array<char, 64 * console::kRecordBytes> cells{};
  for (size_t at = 0; at < cells.size(); at += console::kRecordBytes) {
    cells[at] = cells[at + 1] = cells[at + 3] = ' ';
    cells[at + 2] = kBlankAttribute;
  }
  return cells;
}();

bool AllBlank(std::string_view image) {
  if (image.size() % console::kRecordBytes != 0) return false;
  while (!image.empty()) {
    const size_t run = std::min(image.size(), kBlankCells.size());
    if (std::memcmp(image.data(), kBlankCells.data(), run) != 0) return false;
    image.remove_prefix(run);
  }
  return true;
}

// A row of blank cells is kept as the empty image, blank at any width: most of a long
// design is blank, and its rows would otherwise take 4 bytes a cell at the widest
// console the design was ever shown in.
void KeepSmall(std::string& image) {
  if (!image.empty() && AllBlank(image)) std::string().swap(image);
}

}  // namespace

std::string RowStore::BlankRow(int cols) {
  std::string row(static_cast<size_t>(std::max(cols, 0)) * console::kRecordBytes, ' ');
  for (size_t at = 2; at < row.size(); at += console::kRecordBytes) row[at] = kBlankAttribute;
  return row;
}

void RowStore::Blank(int) {
  history_.Forget();
  for (int i = 1; i <= kInitialRows; ++i) std::string().swap(rows_[static_cast<size_t>(i)]);
}

void RowStore::set_row(int index, std::string image) {
  if (!Inside(index)) return;
  std::string& row = rows_[static_cast<size_t>(index)];
  if (row == image) return;
  KeepSmall(image);
  if (row == image) return;
  // Only a row that differs is a change worth keeping for undo.
  if (history_.recording()) history_.Note(RowChange{RowChange::Kind::kSet, index, row, image});
  row = std::move(image);
}

void RowStore::Insert(int index, std::string image) {
  if (!Inside(index)) return;
  KeepSmall(image);
  RowChange change{RowChange::Kind::kInsert, index, rows_.back(), std::move(image)};
  MakeChange(rows_, change);
  history_.Note(std::move(change));
}

void RowStore::Remove(int index) {
  if (!Inside(index)) return;
  RowChange change{RowChange::Kind::kRemove, index, rows_[static_cast<size_t>(index)], {}};
  MakeChange(rows_, change);
  history_.Note(std::move(change));
}

void RowStore::StorePage(const console::Console& console) {
  const int cols = console.cols();
  for (int r = 1; r <= console.rows() - 1; ++r) {
    if (Inside(current)) set_row(current, console.ReadRegion(r, 1, r, cols));
    ++current;
  }
}

void RowStore::StorePicture(const console::RecordImage& picture) {
  for (int r = 1; r <= picture.height() - 1; ++r)
    set_row(current + r - 1, std::string(picture.row(r)));
}

void RowStore::LoadPage(console::Console& console) const {
  const int cols = console.cols();
  const size_t width = static_cast<size_t>(cols) * console::kRecordBytes;
  std::string blank;  // built when first needed
  for (int r = 1; r <= console.rows() - 1; ++r) {
    const int index = current + r - 1;
    const std::string* image = Inside(index) ? &rows_[static_cast<size_t>(index)] : &blank;
    std::string fitted;
    if (image->size() != width) {
      if (image->empty()) {
        if (blank.empty()) blank = BlankRow(cols);
        image = &blank;
      } else {
        fitted = *image;
        FitRow(fitted, cols);
        image = &fitted;
      }
    }
    console.WriteRegion(r, 1, r, cols, *image);
  }
}

void RowStore::Refit(int cols) {
  // Cutting a row can leave only blanks in it.
  const auto fit = [cols](std::string& image) {
    FitRow(image, cols);
    KeepSmall(image);
  };
  for (std::string& image : rows_) fit(image);
  history_.ForEachImage(fit);
}

}  // namespace tessella::core
