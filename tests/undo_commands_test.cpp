// Undo and Redo in the running program.
#include <gtest/gtest.h>

#include <string>

#include "replay_fixture.h"

namespace tessella {
namespace {

using testing::Replay;

TEST(UndoCommand, UndoRedoUndoShowsThePictureOneStepOlder) {
  // Enter pushes the picture before it: P1 holds "A", P2 holds "A" and "B".
  Replay r("type A\nkey Enter\ntype B\nkey Enter\ntype C\n"
           "key Alt-U\ndump first\nkey Alt-V\ndump redone\nkey Alt-U\n",
           true, "undo-redo-undo");
  auto at = [&](const std::string& dump, int row, int col) {
    return testing::ScrCell(r.dump(dump, ".scr"), 90, row, col).first;
  };
  EXPECT_EQ(at("first", 11, 1), 'B');
  EXPECT_EQ(at("first", 12, 1), ' ');
  EXPECT_EQ(at("redone", 12, 1), 'C');
  EXPECT_EQ(r.cell(10, 40).ch, 'A');
  EXPECT_EQ(r.cell(11, 1).ch, ' ');
  EXPECT_EQ(r.cell(12, 1).ch, ' ');
  EXPECT_EQ(r.ed().undo.undo_count(), 0);
  // Undo and redo leave the cursor where it is.
  EXPECT_EQ(r.ed().pen.cursor_row, 12);
  EXPECT_EQ(r.ed().pen.cursor_col, 2);
}

TEST(UndoCommand, AfterOneChangeUndoAndRedoAFurtherUndoDoesNothing) {
  // The right click on the toolbar's Undo is Redo.
  Replay r("type A\nkey Enter\ntype B\nkey Alt-U\nrclick 35 82\nkey Alt-U\n");
  EXPECT_EQ(r.cell(11, 1).ch, 'B');
  EXPECT_EQ(r.ed().undo.undo_count(), 0);
  EXPECT_EQ(r.ed().undo.redo_count(), 0);
}

TEST(UndoCommand, TwentyTwoUndosRestoreAtMost21Pictures) {
  std::string script;
  for (int i = 0; i < 22; ++i) script += "type " + std::string(1, char('a' + i)) + "\nkey Enter\n";
  for (int i = 0; i < 22; ++i) script += "key Alt-U\n";
  Replay r(script);
  // The oldest picture kept is the one before the second Enter: "a" and "b" typed.
  EXPECT_EQ(r.cell(10, 40).ch, 'a');
  EXPECT_EQ(r.cell(11, 1).ch, 'b');
  EXPECT_EQ(r.cell(12, 1).ch, ' ');
  EXPECT_EQ(r.ed().undo.undo_count(), 0);
}

}  // namespace
}  // namespace tessella
