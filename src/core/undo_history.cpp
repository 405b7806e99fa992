#include "core/undo_history.h"

#include <algorithm>
#include <vector>

namespace tessella::core {

void UndoHistory::Push(const ScreenPicture& before) {
  if (!store_.history().recording()) {
    // Nothing is being recorded: the lists are empty, or the document was replaced
    // under them and their steps lead nowhere.
    undo_count_ = redo_count_ = 0;
    store_.history().Start();
  }
  store_.StorePicture(before);
  std::move_backward(undo_.begin(), undo_.end() - 1, undo_.end());
  undo_[0] = MarkNow();
  undo_count_ = std::min(undo_count_ + 1, kDepth);
  Trim();
}

void UndoHistory::Clear() {
  undo_count_ = 0;
  redo_count_ = 0;
  store_.history().Forget();
}

bool UndoHistory::Undo(const ScreenPicture& now) {
  if (undo_count_ == 0) return false;
  const DocumentMark back = undo_[0];
  if (!store_.history().Reaches(back.state)) {
    Clear();
    return false;
  }
  store_.StorePicture(now);
  --undo_count_;
  // The redo stack lives in slots 1..21. A stack that is full loses its oldest step
  // rather than growing past the last slot.
  if (redo_count_ == kDepth) {
    std::move(redo_.begin() + 2, redo_.end(), redo_.begin() + 1);
  } else {
    ++redo_count_;
  }
  redo_[static_cast<size_t>(redo_count_)] = MarkNow();
  std::move(undo_.begin() + 1, undo_.end(), undo_.begin());
  GoTo(back);
  Trim();
  return true;
}

bool UndoHistory::Redo() {
  if (redo_count_ == 0) return false;
  const DocumentMark mark = redo_[static_cast<size_t>(redo_count_)];
  --redo_count_;
  if (!GoTo(mark)) {
    Clear();
    return false;
  }
  Trim();
  return true;
}

bool UndoHistory::GoTo(const DocumentMark& mark) {
  if (!store_.GoTo(mark.state)) return false;
  store_.current = mark.current;
  return true;
}

void UndoHistory::Trim() {
  if (undo_count_ == 0 && redo_count_ == 0) {
    store_.history().Forget();
    return;
  }
  std::vector<RowHistory::State> kept;
  for (int i = 0; i < undo_count_; ++i) kept.push_back(undo_[static_cast<size_t>(i)].state);
  for (int i = 1; i <= redo_count_; ++i) kept.push_back(redo_[static_cast<size_t>(i)].state);
  store_.history().KeepOnly(kept);
}

}  // namespace tessella::core
