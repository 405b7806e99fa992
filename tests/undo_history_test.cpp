// The undo and redo lists.
#include <gtest/gtest.h>

#include <string>

#include "core/undo_history.h"

namespace tessella::core {
namespace {

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

}  // namespace
}  // namespace tessella::core
