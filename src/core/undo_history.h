#pragma once
// Undo and redo: console snapshots, newest first, 21 pictures deep.
#include <array>
#include <string_view>

#include "console/screen_image.h"

namespace tessella::core {

// A picture is a whole-console snapshot; it keeps the size it was taken at, so a
// picture from before a console resize can be cut or padded to the console it is
// written back to.
using ScreenPicture = console::RecordImage;

// The picture as a record image of exactly rows x cols, for a console of that size.
// The picture's work rows go onto the work rows and its last row (the toolbar line)
// onto the last row; what the picture lacks (columns or rows) is filled with the
// record `pad`, what the console has no room for is cut off.
console::RecordImage FitPicture(const ScreenPicture& picture, int rows, int cols,
                                std::string_view pad);

class UndoHistory {
 public:
  static constexpr int kDepth = 21;

  // Inserts a picture at the front; the oldest beyond 21 drops off.
  void Push(ScreenPicture picture);
  // Both lists emptied (page moves and the scrolls of Up and Down).
  void Clear();

  int undo_count() const { return undo_count_; }
  int redo_count() const { return redo_count_; }

  // Undo: takes the newest picture off the undo list into `picture` and puts `current`
  // on the redo stack. False (nothing changes) when the undo list is empty.
  bool Undo(ScreenPicture current, ScreenPicture& picture);
  // Redo: takes the top of the redo stack; false when it is empty.
  bool Redo(ScreenPicture& picture);

 private:
  // Undo slot 0 is the newest picture; the redo stack's top is slot [redo count].
  std::array<ScreenPicture, kDepth + 1> undo_{};
  std::array<ScreenPicture, kDepth + 1> redo_{};
  int undo_count_ = 0;
  int redo_count_ = 0;
};

}  // namespace tessella::core
