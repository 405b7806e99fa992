#pragma once
// Undo and redo, 21 steps deep. A step does not keep a picture of the console: the
// picture's work rows go into the row store when the step is taken, and the step names
// the state of the document (the store's rows, as its history keeps them, and the row
// shown at the top). Going back or forward brings the whole document to that state, so
// the pages before and after the one on display stay where they stood.
#include <array>
#include <string_view>

#include "console/screen_image.h"
#include "core/row_store.h"

namespace tessella::core {

// A whole-console snapshot.
using ScreenPicture = console::RecordImage;

// One step: a state of the store's rows and the index of the row shown at the top.
struct DocumentMark {
  RowHistory::State state = 0;
  int current = 0;
};

class UndoHistory {
 public:
  static constexpr int kDepth = 21;

  explicit UndoHistory(RowStore& store) : store_(store) {}

  // The picture from before a change (the console as it stands, page on display at the
  // store's current row) becomes the newest step; the oldest beyond 21 drops off.
  void Push(const ScreenPicture& before);
  // Both lists emptied (page moves and the scrolls of Up and Down).
  void Clear();

  int undo_count() const { return undo_count_; }
  int redo_count() const { return redo_count_; }

  // Undo: the console as it stands (`now`) goes on the redo stack and the document goes
  // back to the newest step. False (nothing changes) when there is none. The caller
  // shows the page at the store's current row.
  bool Undo(const ScreenPicture& now);
  // Redo: the document goes to the top of the redo stack; false when it is empty.
  bool Redo();

 private:
  DocumentMark MarkNow() { return DocumentMark{store_.history().state(), store_.current}; }
  bool GoTo(const DocumentMark& mark);
  // Lets the store's history forget what no step needs.
  void Trim();

  RowStore& store_;
  // Undo slot 0 is the newest step; the redo stack's top is slot [redo count].
  std::array<DocumentMark, kDepth + 1> undo_{};
  std::array<DocumentMark, kDepth + 1> redo_{};
  int undo_count_ = 0;
  int redo_count_ = 0;
};

}  // namespace tessella::core
