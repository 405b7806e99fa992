#include "editor/undo_history.h"

#include <algorithm>

namespace tessella::editor {

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

}  // namespace tessella::editor
