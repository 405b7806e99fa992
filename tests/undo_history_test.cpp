// The undo and redo lists, and fitting a picture to a console of another size.
#include <gtest/gtest.h>

#include <string>

#include "core/undo_history.h"

namespace tessella::core {
namespace {

// A picture whose every cell record carries its own tag in the character byte.
core::ScreenPicture Tagged(int rows, int cols, char first = 'a') {
  std::string records;
  for (int i = 0; i < rows * cols; ++i) records += std::string{char(first + i), ' ', 7, ' '};
  return console::RecordImage::FromRecords(records, cols);
}

// A two-row picture: its work row holds the name, its last row stands for the toolbar.
core::ScreenPicture Named(const std::string& name) {
  std::string records;
  for (char ch : (name + "    ").substr(0, 4)) records += std::string{ch, ' ', 7, ' '};
  return console::RecordImage::FromRecords(records + std::string(16, ' '), 4);
}

TEST(UndoHistory, AFullRedoStackLosesItsOldestPictureNotItsEnd) {
  RowStore store;
  core::UndoHistory h(store);
  // More undos than the redo list has slots, with new changes in between. Each undo
  // keeps the page as it stood ("r<i>") for redo and goes back to "p".
  for (int i = 0; i < 30; ++i) {
    h.Push(Named("p"));
    ASSERT_TRUE(h.Undo(Named("r" + std::to_string(i))));
    ASSERT_EQ(store.row(0), Named("p").row(1));
  }
  EXPECT_EQ(h.redo_count(), 21);
  for (int i = 29; i >= 9; --i) {
    ASSERT_TRUE(h.Redo());
    EXPECT_EQ(store.row(0), Named("r" + std::to_string(i)).row(1));
  }
  EXPECT_FALSE(h.Redo());
}

const std::string kPad = {'.', ' ', 9, ' '};

std::string Chars(const console::RecordImage& image) {
  std::string s;
  for (size_t i = 0; i < image.bytes().size(); i += 4) s += image.bytes()[i];
  return s;
}

TEST(FitPicture, LargerPictureIsCutAndItsToolbarLineStaysAtTheBottom) {
  // 4 x 3: work rows abc, def, ghi; toolbar jkl. Onto 3 x 2.
  EXPECT_EQ(Chars(FitPicture(Tagged(4, 3), 3, 2, kPad)), "ab" "de" "jk");
}

TEST(FitPicture, SmallerPictureIsPaddedBelowAndRight) {
  // 3 x 2: work rows ab, cd; toolbar ef. Onto 5 x 3.
  EXPECT_EQ(Chars(FitPicture(Tagged(3, 2), 5, 3, kPad)), "ab." "cd." "..." "..." "ef.");
  const console::RecordImage fitted = FitPicture(Tagged(3, 2), 5, 3, kPad);
  EXPECT_EQ(fitted.bytes().size(), 5u * 3 * 4);
  EXPECT_EQ(fitted.bytes().substr(8, 4), kPad);
  EXPECT_EQ(Chars(FitPicture(core::ScreenPicture{}, 2, 2, kPad)), "....");
}

}  // namespace
}  // namespace tessella::core
