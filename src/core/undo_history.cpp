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

console::RecordImage FitPicture(const ScreenPicture& picture, int rows, int cols,
                                std::string_view pad) {
  if (rows <= 0 || cols <= 0) return {};
  std::string out;
  out.reserve(static_cast<size_t>(rows) * static_cast<size_t>(cols) * console::kRecordBytes);
  // Console row r shows picture row `source`: the work rows line up from the top and the
  // toolbar lines up with the toolbar.
  auto source_row = [&](int r) {
    if (r == rows) return picture.height();
    return r < picture.height() ? r : 0;
  };
  for (int r = 1; r <= rows; ++r) {
    const int from = source_row(r);
    const std::string_view line = from >= 1 ? picture.row(from) : std::string_view();
    for (int c = 1; c <= cols; ++c) {
      if (c <= picture.width() && from >= 1) {
        out.append(line.substr(static_cast<size_t>(c - 1) * console::kRecordBytes,
                               console::kRecordBytes));
      } else {
        out.append(pad);
      }
    }
  }
  return console::RecordImage::FromRecords(out, cols);
}

}  // namespace tessella::core
