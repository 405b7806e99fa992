// The running program driven through replay: start-up, the toolbar line, choosing an
// area, page moves.
#include <gtest/gtest.h>

#include "console/cp437.h"
#include "console/keys.h"
#include "core/page_moves.h"
#include "app/toolbar_table.h"
#include "replay_fixture.h"

namespace tessella {
namespace {

using testing::Replay;

TEST(StartUp, WorkScreenToolbarAndLiveFields) {
  Replay r("");
  auto& con = r.console();
  ASSERT_EQ(con.rows(), 35);
  ASSERT_EQ(con.cols(), 90);
  EXPECT_EQ(con.title(), "   Tessella  Version 2.9       ");
  for (int row : {1, 10, 34}) {
    EXPECT_EQ(r.text(row, 1, 90), std::string(90, ' '));
    EXPECT_EQ(r.cell(row, 5).attr, 1 + 16 * 15);
  }
  EXPECT_EQ(r.text(35, 1, 41), " Copy Paste Cut Color Edit Mouse ColChart");
  EXPECT_EQ(r.text(35, 62, 65), "Page");
  EXPECT_EQ(r.text(35, 81, 90), "Undo ASCII");
  // The live fields painted while the loop waits.
  EXPECT_EQ(r.text(35, 66, 66), "1");
  EXPECT_EQ(r.text(35, 72, 73), "10");
  EXPECT_EQ(r.text(35, 78, 79), "40");
  EXPECT_EQ(r.cell(35, 66).attr, 12 + 16 * 7);
  EXPECT_EQ(r.text(35, 43, 60), "\xCC\xB9 Txcolor BGcolor");
  EXPECT_EQ(r.cell(35, 45).attr, 1 + 16 * 15);
  // Per-column attributes of the toolbar picture.
  EXPECT_EQ(r.cell(35, 1).attr, 0x70);
  EXPECT_EQ(r.cell(35, 16).attr, 0x79);
  const int color[] = {0x74, 0x79, 0x7C, 0x72, 0x7D};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(r.cell(35, 17 + i).attr, color[i]);
  EXPECT_EQ(r.cell(35, 34).attr, 0x74);
  EXPECT_EQ(r.cell(35, 42).attr, 0x79);
  EXPECT_EQ(con.cursor_row(), 10);
  EXPECT_EQ(con.cursor_col(), 40);
  EXPECT_TRUE(con.cursor_visible());
  EXPECT_EQ(con.cursor_size(), 99);
  // Every row of the new document is blank: kept as the empty image, which shows as
  // the blank row.
  const auto& store = r.ed().doc.store;
  for (const int index : {0, 1, 4400, 4401}) EXPECT_TRUE(store.row(index).empty()) << index;
}

TEST(StartUp, DumpFilesDescribeTheDisplayedPage) {
  Replay r("dump first\n", true, "startup-dump");
  const std::string txt = r.dump("first", ".txt");
  EXPECT_EQ(std::count(txt.begin(), txt.end(), '\n'), 35);
  EXPECT_NE(txt.find(" Copy Paste Cut Color Edit Mouse ColChart"), std::string::npos);
  EXPECT_NE(txt.find(cp437::ToUtf8("\xCC\xB9")), std::string::npos);
  EXPECT_EQ(r.dump("first", ".scr").size(), 2u * 35 * 90);
  const std::string state = r.dump("first", ".state");
  EXPECT_NE(state.find("rows=35\ncols=90\ncursor_row=10\ncursor_col=40\ncursor_visible=1\n"),
            std::string::npos);
  EXPECT_NE(state.find("txcolor=1\nbgcolor=15\npage=1\n"), std::string::npos);
  EXPECT_NE(state.find("beeps=0\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(r.dumps / "first.clip"));
  EXPECT_TRUE(std::filesystem::exists(r.dumps / "final.state"));
}

TEST(ChoosingAnArea, ToolbarClickConfirmsAndLeavesNoTrace) {
  Replay r("click 5 10\nmove 8 20\nclick 9 30\nclick 35 17\n");
  const auto& ed = r.ed();
  EXPECT_EQ(ed.selection.area.r1, 5);
  EXPECT_EQ(ed.selection.area.c1, 10);
  EXPECT_EQ(ed.selection.area.r2, 9);
  EXPECT_EQ(ed.selection.area.c2, 30);
  EXPECT_EQ(ed.selection.flag_first, 5);
  EXPECT_EQ(ed.selection.flag_last, 9);
  EXPECT_EQ(ed.undo.undo_count(), 1);  // the first corner pushed the picture before it
  for (int row = 1; row <= 34; ++row)
    for (int col = 1; col <= 90; ++col) ASSERT_EQ(r.cell(row, col).attr, 1 + 16 * 15);
}

TEST(ChoosingAnArea, ClicksBeyondTheConsoleHaveNoCellAndAreDropped) {
  Replay r("click 40 100\nclick 5 91\ntype x\n");
  EXPECT_EQ(r.ed().pen.cursor_row, 10);
  EXPECT_EQ(r.ed().pen.cursor_col, 41);
  EXPECT_EQ(r.cell(10, 40).ch, 'x');
  EXPECT_EQ(r.ed().selection.area.r1, 0);
}

TEST(ChoosingAnArea, RightClickConfirmsForTheMenu) {
  Replay r("click 5 10\nclick 9 30\nrclick 12 12\nkey Esc\n");
  EXPECT_EQ(r.ed().selection.flag_first, 5);
  EXPECT_EQ(r.ed().selection.flag_last, 9);
  EXPECT_EQ(r.ed().selection.area.c2, 30);
}

TEST(ChoosingAnArea, KeyDoesNotConfirmAndALaterToolbarClickConfirmsNothing) {
  Replay r("click 5 10\nclick 9 30\nkey Right\nclick 35 3\n");
  const auto& ed = r.ed();
  EXPECT_EQ(ed.selection.flag_first, 0);
  EXPECT_EQ(ed.selection.flag_last, 0);
  EXPECT_EQ(ed.selection.area.r1, 0);
}

TEST(ChoosingAnArea, KeysWhileChoosingAreUsedUpAndTheSecondClickEndsTheChoice) {
  Replay r("click 5 10\ntype abc\nclick 6 12\nclick 35 70\n");
  EXPECT_EQ(r.ed().selection.flag_first, 5);
  EXPECT_EQ(r.ed().selection.flag_last, 6);
  EXPECT_EQ(r.ed().selection.area.c2, 12);
  EXPECT_EQ(r.text(5, 10, 12), "   ");
}

TEST(ChoosingAnArea, TwoColumnsLeftAbandonsButAToolbarClickStillConfirms) {
  Replay r("click 5 10\nmove 7 14\nmove 7 8\nclick 35 70\n");
  const auto& ed = r.ed();
  EXPECT_EQ(ed.selection.area.r1, 5);
  EXPECT_EQ(ed.selection.area.c2, 14);
  EXPECT_EQ(ed.selection.flag_first, 5);
  EXPECT_EQ(ed.selection.flag_last, 7);
}

TEST(ChoosingAnArea, RowAboveGivesTheFirstRowAsBottomAndToolbarCornerIsNotACommand) {
  Replay r("click 5 10\nmove 4 15\nclick 35 3\nrclick 35 70\n");
  // The second corner clicked on the toolbar line ends the choice: the remembered corner
  // is the last outlined one (row raised to the first corner's row).
  EXPECT_EQ(r.ed().selection.area.r2, 5);
  EXPECT_EQ(r.ed().selection.area.c2, 15);
  EXPECT_EQ(r.ed().selection.flag_last, 5);
}

TEST(Toolbar, TableOrderDecidesSharedColumns) {
  using app::FindToolbarEntry;
  using app::ToolbarAction;
  using app::ToolbarButton;
  EXPECT_EQ(FindToolbarEntry(ToolbarButton::kLeft, 28)->keynumber, keys::kF12);
  EXPECT_EQ(FindToolbarEntry(ToolbarButton::kLeft, 46)->keynumber, keys::kF3);
  EXPECT_EQ(FindToolbarEntry(ToolbarButton::kRight, 46)->action, ToolbarAction::kLineStyle);
  EXPECT_EQ(FindToolbarEntry(ToolbarButton::kLeft, 17), nullptr);
  EXPECT_EQ(FindToolbarEntry(ToolbarButton::kLeft, 53), nullptr);
  EXPECT_EQ(FindToolbarEntry(ToolbarButton::kLeft, 90)->keynumber, keys::kAltK);
  EXPECT_EQ(FindToolbarEntry(ToolbarButton::kRight, 5), nullptr);
}

TEST(PageMoves, PgDnStopsAtPageOneThousand) {
  std::string script;
  for (int i = 0; i < 1005; ++i) script += "key PgDn\n";
  Replay r(script);
  EXPECT_EQ(r.ed().doc.store.current, 33966);
  EXPECT_EQ(r.text(35, 66, 69), "1000");
  EXPECT_EQ(r.ed().doc.page_number, 999);
}

TEST(PageMoves, PgDnAndPgUpCarryThePagesThroughTheRowStore) {
  Replay r("");
  auto& ed = r.ed();
  core::Event ev;
  ed.console.WriteChars(3, 1, "page one");
  core::PageDown(ed, ev);
  core::Bookkeeping(ed, keys::kPgDn);
  EXPECT_EQ(ed.doc.store.current, 34);
  EXPECT_EQ(ed.doc.page_number, 1);
  EXPECT_EQ(ed.console.AtOutput(3, 1).ch, ' ');  // the blank next page
  EXPECT_EQ(ed.doc.store.row(2)[0], 'p');
  ed.console.WriteChars(1, 1, "page two");
  core::PageUp(ed, ev);
  core::Bookkeeping(ed, keys::kPgUp);
  EXPECT_EQ(ed.doc.store.current, 0);
  EXPECT_EQ(ed.doc.page_number, 0);
  EXPECT_EQ(ed.pen.cursor_row, 1);
  EXPECT_EQ(ed.console.AtOutput(3, 1).ch, 'p');
  EXPECT_EQ(ed.doc.store.row(34)[0], 'p');  // page two was stored on the way back
}

TEST(PageMoves, TallConsolesNeverPageOutsideTheRowStore) {
  Replay r("");
  auto& ed = r.ed();
  ed.console.SetSize(200, 90);
  core::Event ev;
  for (int i = 0; i < 400; ++i) {
    core::PageDown(ed, ev);
    core::Bookkeeping(ed, keys::kPgDn);
  }
  EXPECT_LE(ed.doc.store.current + ed.rows() - 2, core::RowStore::kLastIndex);
  core::CommitPage(ed);
  EXPECT_LE(ed.doc.store.current + ed.rows() - 2, core::RowStore::kLastIndex);
}

TEST(PageMoves, CommitPageStoresThePageAndShowsItAgain) {
  Replay r("key Home\n");  // one pass of bookkeeping counts the first page
  ASSERT_EQ(r.ed().doc.last_page_index, 1);
  auto& ed = r.ed();
  ed.console.WriteChars(5, 1, "keep me");
  core::CommitPage(ed);
  EXPECT_EQ(ed.doc.store.current, 0);
  EXPECT_EQ(ed.doc.store.row(4)[0], 'k');
  EXPECT_EQ(ed.console.AtOutput(5, 1).ch, 'k');
  EXPECT_EQ(ed.doc.last_page_index, 2);
}

}  // namespace
}  // namespace tessella
