#include "console/console.h"

#include <algorithm>
#include <cstring>

namespace tessella::console {

Console::Console(int rows, int cols) : rows_(std::max(1, rows)), cols_(std::max(1, cols)) {
  for (auto& page : pages_) page.assign(static_cast<size_t>(rows_) * cols_, Cell{});
}

bool Console::SetSize(int rows, int cols) {
  if (rows < 1 || cols < 1) return false;
  const Cell blank{' ', 0, color_, 0};
  for (auto& page : pages_) {
    std::vector<Cell> resized(static_cast<size_t>(rows) * cols, blank);
    for (int r = 0; r < std::min(rows, rows_); ++r)
      for (int c = 0; c < std::min(cols, cols_); ++c)
        resized[r * cols + c] = page[r * cols_ + c];
    page = std::move(resized);
  }
  rows_ = rows;
  cols_ = cols;
  cursor_row_ = std::clamp(cursor_row_, 1, rows_);
  cursor_col_ = std::clamp(cursor_col_, 1, cols_);
  return true;
}

void Console::Putz(int lside, int rside, int top, int bottom, std::string& scr) {
  const int width = rside + 1 - lside;
  const int height = bottom + 1 - top;
  const size_t cells = scr.size() / 2;
  auto& page = Page(1);
  if (width > 0 && height > 0) {
    for (size_t i = 0; i < cells && i < static_cast<size_t>(width) * height; ++i) {
      const int row = top + static_cast<int>(i) / width;
      const int col = lside + static_cast<int>(i) % width;
      if (!Inside(row, col)) continue;
      page[(row - 1) * cols_ + (col - 1)] =
          Cell{static_cast<std::uint8_t>(scr[2 * i]), kPad,
               static_cast<std::uint8_t>(scr[2 * i + 1]), kPad};
    }
  }
  scr.clear();
}

std::string Console::ReadRegion(int top, int left, int bottom, int right) const {
  bottom = std::min(bottom, rows_);
  right = std::min(right, cols_);
  const int width = right - left + 1;
  const int height = bottom - top + 1;
  if (width <= 0 || height <= 0) return {};
  std::string image(static_cast<size_t>(width) * height * kRecordBytes, ' ');
  const auto& page = Page(output_page_);
  // Cells are laid out exactly as records, so each row inside the buffer is one copy.
  // Rows or columns above or left of the buffer stay blank.
  const int first_col = std::max(left, 1);
  if (first_col > right) return image;
  const size_t row_bytes = static_cast<size_t>(right - first_col + 1) * kRecordBytes;
  for (int row = std::max(top, 1); row <= bottom; ++row) {
    const size_t at = (static_cast<size_t>(row - top) * width + (first_col - left)) * kRecordBytes;
    std::memcpy(image.data() + at, &page[(row - 1) * cols_ + (first_col - 1)], row_bytes);
  }
  return image;
}

void Console::WriteRegion(int top, int left, int bottom, int right, std::string_view image) {
  const int width = right - left + 1;
  const int height = bottom - top + 1;
  if (width <= 0 || height <= 0) return;
  const size_t cells = std::min(image.size() / kRecordBytes, static_cast<size_t>(width) * height);
  // Row by row: the part of each image row that lies inside the buffer is one copy.
  const int first_col = std::max(left, 1);
  const int last_col = std::min(right, cols_);
  if (first_col > last_col) return;
  auto& page = Page(output_page_);
  for (int row = std::max(top, 1); row <= std::min(bottom, rows_); ++row) {
    const size_t row_start = static_cast<size_t>(row - top) * width;
    if (row_start >= cells) break;
    const size_t first = row_start + (first_col - left);
    const size_t last = std::min(row_start + (last_col - left) + 1, cells);  // exclusive
    if (first >= last) continue;
    std::memcpy(&page[(row - 1) * cols_ + (first_col - 1)], image.data() + first * kRecordBytes,
                (last - first) * kRecordBytes);
  }
}

void Console::PutText(int row, int col, int fg, int bg, std::string_view text) {
  text = text.substr(0, std::min<size_t>(text.size(), 99));
  WriteChars(row, col, text);
  FillAttribute(row, col, static_cast<int>(text.size()), Attribute(fg, bg));
}

void Console::MarkCell(int row, int col) {
  if (!Inside(row, col)) return;
  Cell& cell = OutCell(row, col);
  cell.attr = 0x0E;
  cell.pad2 = 0x01;
}

void Console::WriteChars(int row, int col, std::string_view bytes) {
  if (!Inside(row, col)) return;
  size_t index = static_cast<size_t>(row - 1) * cols_ + (col - 1);
  auto& page = Page(output_page_);
  for (unsigned char b : bytes) {
    if (index >= page.size()) break;
    page[index].ch = b;
    page[index].pad1 = 0;
    ++index;
  }
}

void Console::FillAttribute(int row, int col, int count, int attr) {
  if (!Inside(row, col)) return;
  size_t index = static_cast<size_t>(row - 1) * cols_ + (col - 1);
  auto& page = Page(output_page_);
  for (int i = 0; i < count && index < page.size(); ++i, ++index) {
    page[index].attr = static_cast<std::uint8_t>(attr);
    page[index].pad2 = static_cast<std::uint8_t>((attr >> 8) & 0xFF);
  }
}

void Console::FillChar(int row, int col, int count, std::uint8_t ch) {
  if (!Inside(row, col)) return;
  size_t index = static_cast<size_t>(row - 1) * cols_ + (col - 1);
  auto& page = Page(output_page_);
  for (int i = 0; i < count && index < page.size(); ++i, ++index) {
    page[index].ch = ch;
    page[index].pad1 = 0;
  }
}

void Console::Locate(int row, int col) {
  cursor_row_ = std::clamp(row, 1, rows_);
  cursor_col_ = std::clamp(col, 1, cols_ + 1);
}

void Console::ScrollOutputUp() {
  auto& page = Page(output_page_);
  std::move(page.begin() + cols_, page.end(), page.begin());
  std::fill(page.end() - cols_, page.end(), Cell{' ', 0, color_, 0});
}

void Console::Print(std::string_view bytes) {
  for (unsigned char b : bytes) {
    // The column runs one past the edge after the last cell of a row; the wrap (and
    // the scroll at the bottom) happens only when another character follows.
    if (cursor_col_ > cols_) {
      cursor_col_ = 1;
      if (cursor_row_ >= rows_) {
        ScrollOutputUp();
        cursor_row_ = rows_;
      } else {
        ++cursor_row_;
      }
    }
    OutCell(cursor_row_, cursor_col_) = Cell{b, 0, color_, 0};
    ++cursor_col_;
  }
}

void Console::Clear() {
  auto& page = Page(output_page_);
  std::fill(page.begin(), page.end(), Cell{' ', 0, color_, 0});
  cursor_row_ = 1;
  cursor_col_ = 1;
}

void Console::CopyPage(int from, int to) {
  if (from < 1 || from > kPageCount || to < 1 || to > kPageCount || from == to) return;
  Page(to) = Page(from);
}

void Console::SetOutputPage(int page) {
  if (page >= 1 && page <= kPageCount) output_page_ = page;
}

void Console::SetDisplayedPage(int page) {
  if (page >= 1 && page <= kPageCount) displayed_page_ = page;
}

void Console::SetCursorSize(int percent) { cursor_size_ = std::clamp(percent, 10, 99); }

Cell Console::At(int page, int row, int col) const {
  if (page < 1 || page > kPageCount || !Inside(row, col)) return Cell{};
  return Page(page)[(row - 1) * cols_ + (col - 1)];
}

RecordImage Console::ReadImage(int top, int left, int bottom, int right) const {
  const int width = std::min(right, cols_) - left + 1;
  if (width <= 0) return {};
  return RecordImage::FromRecords(ReadRegion(top, left, bottom, right), width);
}

void Console::WriteImage(int top, int left, const RecordImage& image) {
  if (image.empty()) return;
  WriteRegion(top, left, top + image.height() - 1, left + image.width() - 1, image.bytes());
}

void Console::PutImage(int top, int left, const ScreenImage& image) {
  if (image.empty()) return;
  std::string pairs = image.bytes();
  Putz(left, left + image.width() - 1, top, top + image.height() - 1, pairs);
}

}  // namespace tessella::console
