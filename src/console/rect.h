#pragma once
// A rectangle of console cells: 1-based rows and columns, inclusive. An area chosen by
// its two corners is one: top = r1, left = c1, bottom = r2, right = c2.
#include <algorithm>

namespace tessella::console {

struct Rect {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
  int width() const { return std::max(0, right - left + 1); }
  int height() const { return std::max(0, bottom - top + 1); }
  bool empty() const { return width() == 0 || height() == 0; }
  bool Contains(int row, int col) const {
    return row >= top && row <= bottom && col >= left && col <= right;
  }
  bool operator==(const Rect&) const = default;
};

}  // namespace tessella::console
