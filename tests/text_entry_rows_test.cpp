// Enter, inserting and deleting rows, the left margin, and the end of the document.
#include <gtest/gtest.h>

#include <string>

#include "core/row_store.h"
#include "editor/text_entry.h"
#include "replay_fixture.h"

namespace tessella {
namespace {

using core::Event;
using core::Next;
using core::RowStore;
using testing::Replay;

TEST(Enter, NewLineAtTheMarginPushesTheBeforePictureAndDropsTheArea) {
  Replay r("click 3 3\nclick 5 8\nrclick 35 81\ntype ab\nkey Enter\n");
  // rclick on Undo confirmed the area; Enter drops it.
  const auto& ed = r.ed();
  EXPECT_EQ(ed.pen.cursor_row, 4);
  EXPECT_EQ(ed.pen.cursor_col, 1);
  EXPECT_EQ(ed.selection.flag_first, 0);
  EXPECT_EQ(ed.selection.flag_last, 0);
  EXPECT_EQ(ed.undo.undo_count(), 2);  // the first corner's click and Enter
  EXPECT_EQ(ed.doc.line_counter, 2);
  EXPECT_EQ(r.text(3, 3, 4), "ab");
}

TEST(Enter, OnTheLastWorkRowScrollsAndKeepsTheUndoList) {
  Replay r("key Home\ntype TOP\nkey End\nkey Backspace\nkey Enter\n");
  const auto& ed = r.ed();
  EXPECT_EQ(ed.pen.cursor_row, 34);
  EXPECT_EQ(ed.pen.cursor_col, 1);
  EXPECT_EQ(ed.doc.store.current, 1);
  EXPECT_EQ(ed.doc.store.row(0)[0], 'T');
  EXPECT_EQ(ed.undo.undo_count(), 1);
}

TEST(Margin, ChosenFromTheMenuTheCursorStaysWhereItWas) {
  Replay r("");
  auto& ed = r.ed();
  ed.pen.cursor_col = 10 - 1;  // the menu table lowers the column for Margin on
  core::Event ev;
  EXPECT_EQ(editor::MarginOn(ed, ev), core::Next::kLoopTop);
  EXPECT_EQ(ed.pen.left_margin, 10);
  EXPECT_EQ(ed.pen.cursor_col, 10);

  // At the right edge neither the margin nor the cursor leaves the console.
  ed.pen.cursor_col = 90;
  editor::MarginOn(ed, ev);
  EXPECT_EQ(ed.pen.left_margin, 90);
  EXPECT_EQ(ed.pen.cursor_col, 90);
}

TEST(InsertRow, EnterAtColumnOneShowsTheRowTwiceAndPushesTheLastRowOnToTheNextPage) {
  Replay r("click 5 1\nclick 5 1\ntype hello\nclick 6 1\nclick 6 1\ntype world\n"
           "click 34 1\nclick 34 1\ntype LAST\nclick 5 1\nclick 5 1\nkey Enter\n");
  EXPECT_EQ(r.text(5, 1, 5), "hello");
  EXPECT_EQ(r.text(6, 1, 5), "hello");
  EXPECT_EQ(r.text(7, 1, 5), "world");
  EXPECT_EQ(r.text(34, 1, 4), "    ");
  EXPECT_EQ(r.ed().pen.cursor_row, 5);
  EXPECT_EQ(r.ed().pen.cursor_col, 1);
  EXPECT_EQ(r.ed().undo.undo_count(), 5);  // four first corners and the Enter

  Replay next("click 34 1\nclick 34 1\ntype LAST\nclick 5 1\nclick 5 1\nkey Enter\nkey PgDn\n");
  EXPECT_EQ(next.text(1, 1, 4), "LAST");

  // Pushed on past the pages a save writes (page 2 on display counts three), the row
  // is still counted.
  std::string pushed = "key PgDn\nclick 34 1\nclick 34 1\ntype LAST\nkey PgUp\nkey Home\n";
  for (int i = 0; i < 35; ++i) pushed += "key Enter\n";
  Replay far(pushed);
  ASSERT_EQ(far.ed().doc.store.row(67 + 35).substr(0, 1), "L");
  EXPECT_GT((far.ed().doc.last_page_index + 1) * 34, 67 + 35);
}

TEST(DeleteRow, DelAtColumnOnePullsRowsUpAndTheNextPageFirstRowArrives) {
  Replay r("key PgDn\nkey Home\ntype NEXT\nkey PgUp\n"
           "click 5 1\nclick 5 1\ntype gone\nclick 6 1\nclick 6 1\ntype keep\n"
           "click 5 1\nclick 5 1\nkey Del\n");
  EXPECT_EQ(r.text(5, 1, 4), "keep");
  EXPECT_EQ(r.text(6, 1, 4), "    ");
  EXPECT_EQ(r.text(34, 1, 4), "NEXT");
  EXPECT_EQ(r.ed().undo.undo_count(), 4);

  Replay elsewhere("type gone\nkey Del\n");  // not at column 1: nothing happens
  EXPECT_EQ(elsewhere.text(10, 40, 43), "gone");
  EXPECT_EQ(elsewhere.ed().undo.undo_count(), 0);
}

// The last page of the row store: the page's last row is the store's last index.
void GoToTheEndOfTheStore(core::Editor& ed) {
  ed.doc.store.current = core::RowStore::kLastIndex - (ed.rows() - 2);
  ed.doc.store.LoadPage(ed.console);
}

TEST(EndOfTheDocument, TypingOnTheLastCellKeepsTheCharacterWhenNoRowIsLeft) {
  Replay r("");
  auto& ed = r.ed();
  GoToTheEndOfTheStore(ed);
  const int start = ed.doc.store.current;
  const int lines = ed.doc.line_counter;
  ed.pen.cursor_row = 34;
  ed.pen.cursor_col = 90;
  ed.loop.before = ed.console.Snapshot();
  core::Event ev;
  ev.key = "Q";
  EXPECT_EQ(editor::Type(ed, ev), core::Next::kBookkeeping);
  EXPECT_EQ(r.cell(34, 90).ch, 'Q');
  EXPECT_EQ(ed.pen.cursor_row, 34);
  EXPECT_EQ(ed.pen.cursor_col, 90);
  EXPECT_EQ(ed.doc.store.current, start);
  EXPECT_EQ(ed.doc.line_counter, lines);
  EXPECT_EQ(r.host().beeps(), 1);

  // Enter on the last row cannot scroll either: the cursor stays on the last row.
  ed.pen.cursor_col = 5;
  ed.loop.before = ed.console.Snapshot();
  editor::EnterKey(ed, ev);
  EXPECT_EQ(ed.pen.cursor_row, 34);
  EXPECT_EQ(ed.doc.store.current, start);
  EXPECT_EQ(r.cell(34, 90).ch, 'Q');
}

TEST(EndOfTheDocument, InsertAndDeleteOnTheLastRowsStayInsideTheStore) {
  Replay r("");
  auto& ed = r.ed();
  GoToTheEndOfTheStore(ed);
  core::Event ev;
  ed.pen.cursor_row = 34;
  ed.pen.cursor_col = 1;
  ed.console.PutText(34, 1, 1, 15, "end");
  ed.loop.before = ed.console.Snapshot();
  EXPECT_EQ(editor::EnterKey(ed, ev), core::Next::kLoopTop);
  EXPECT_EQ(ed.doc.store.row(core::RowStore::kLastIndex).substr(0, 1), "e");

  ed.pen.cursor_col = 1;
  EXPECT_EQ(editor::DeleteKey(ed, ev), core::Next::kLoopTop);
  EXPECT_EQ(r.text(34, 1, 3), "end");  // the removed row is copied to the last index

  // A page that reaches past the store (a console taller than the store's end allows):
  // rows beyond the last index are neither read nor written.
  ed.doc.store.current = core::RowStore::kLastIndex - 5;
  ed.pen.cursor_row = 20;
  ed.pen.cursor_col = 1;
  EXPECT_NO_THROW(editor::EnterKey(ed, ev));
  ed.pen.cursor_col = 1;
  EXPECT_NO_THROW(editor::DeleteKey(ed, ev));
}

}  // namespace
}  // namespace tessella
