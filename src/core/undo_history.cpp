#include "core/undo_history.h"

#include <algorithm>

namespace tessella::core {

void UndoHistory::Push(ScreenPicture picture) {
  std::move_backward(undo_.begin(), undo_.end() - 1, undo_.end());
  undo_[0] = std::move(picture);
  undo_count_ = std::min(undo_count_ + 1, kDepth);
}

void UndoHistory::Clear() {
  undo_count_ = 0;
  redo_count_ = 0;
}

bool UndoHistory::Undo(ScreenPicture current, ScreenPicture& picture) {
  if (undo_count_ == 0) return false;
  --undo_count_;
  // The redo stack lives in slots 1..21. A stack that is full loses its oldest picture
  // rather than growing past the last slot.
  if (redo_count_ == kDepth) {
    std::move(redo_.begin() + 2, redo_.end(), redo_.begin() + 1);
  } else {
    ++redo_count_;
  }
  redo_[redo_count_] = std::move(current);
  picture = std::move(undo_[0]);
  std::move(undo_.begin() + 1, undo_.end(), undo_.begin());
  undo_.back() = ScreenPicture{};
  return true;
}

bool UndoHistory::Redo(ScreenPicture& picture) {
  if (redo_count_ == 0) return false;
  picture = redo_[redo_count_];
  --redo_count_;
  return true;
}

}  // namespace tessella::core

namespace tessella::core {

std::string FitPicture(const ScreenPicture& picture, int rows, int cols, std::string_view pad) {
  constexpr size_t kRec = 4;
  std::string out;
  if (rows <= 0 || cols <= 0) return out;
  out.reserve(static_cast<size_t>(rows) * cols * kRec);
  // Console row r shows picture row `source`: the work rows line up from the top and the
  // toolbar lines up with the toolbar.
  auto source_row = [&](int r) {
    if (r == rows) return picture.rows;
    return r < picture.rows ? r : 0;
  };
  for (int r = 1; r <= rows; ++r) {
    const int from = source_row(r);
    for (int c = 1; c <= cols; ++c) {
      const size_t at =
          (static_cast<size_t>(from - 1) * std::max(picture.cols, 0) + (c - 1)) * kRec;
      if (from >= 1 && c <= picture.cols && at + kRec <= picture.image.size()) {
        out.append(picture.image, at, kRec);
      } else {
        out.append(pad);
      }
    }
  }
  return out;
}

}  // namespace tessella::core
