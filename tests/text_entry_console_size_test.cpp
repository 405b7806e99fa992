// Reset Console Size: the size box, the two numbers, and sizes that cannot be taken.
#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "core/editor.h"
#include "replay_fixture.h"

namespace tessella {
namespace {

using console::Attribute;
using testing::Replay;

std::string Resize(const std::string& rows, const std::string& cols) {
  return "key Alt-Z\ntype " + rows + "\nkey Enter\ntype " + cols + "\nkey Enter\n";
}

TEST(ConsoleSize, TheRowsEnteredAreWorkRowsAndTheWorkScreenComesBack) {
  Replay r("key Home\ntype top left\nkey End\nkey Backspace\ntype !\n"
           "key PgDn\nkey PgUp\nclick 3 1\nclick 3 1\ntype kept\n" + Resize("24", "80"));
  auto& con = r.console();
  ASSERT_EQ(con.rows(), 25);
  ASSERT_EQ(con.cols(), 80);
  EXPECT_EQ(r.text(1, 1, 8), "top left");
  EXPECT_EQ(r.text(3, 1, 4), "kept");
  EXPECT_EQ(r.text(25, 1, 41), " Copy Paste Cut Color Edit Mouse ColChart");
  EXPECT_EQ(r.cell(24, 80).attr, Attribute(1, 15));
  EXPECT_EQ(r.host().beeps(), 0);
  EXPECT_GE(r.host().slept_ms(), 200);
  // The document is kept, every row cut to the new width: the "!" typed at column 89
  // of row 34 is cut off, and rows 25 to 34 of the old page move on to the next page.
  const auto& store = r.ed().doc.store;
  EXPECT_EQ(store.row(1).size(), 80u * 4);
  EXPECT_TRUE(store.row(4400).empty());  // blank at any width
  EXPECT_EQ(store.row(0).substr(0, 1), "t");
  EXPECT_EQ(store.row(2)[12], 't');  // "kept" on row 3
  EXPECT_EQ(store.row(33).find('!'), std::string::npos);
  // The cursor was on row 3 and stays there; a cursor beyond the new size is brought in.
  EXPECT_EQ(r.ed().pen.cursor_row, 3);

  Replay inside("key Home\ntype top\nkey End\n" + Resize("20", "50") + "key Left\n");
  EXPECT_EQ(inside.ed().pen.cursor_row, 20);
  EXPECT_EQ(inside.ed().pen.cursor_col, 49);
  // On a console narrower than the toolbar's text the toolbar stays on its own line:
  // the work screen does not scroll under it.
  EXPECT_EQ(inside.text(1, 1, 3), "top");
  EXPECT_EQ(inside.text(21, 1, 5), " Copy");
  EXPECT_EQ(inside.text(20, 1, 5), "     ");
}

// Paging through the whole design at the widest console stores every page on the way;
// the blank rows among them must take no room, or a long design held 2,000 bytes a row
// (70 MB at 35,000 rows) however little was drawn in it.
TEST(ConsoleSize, BlankRowsTakeNoRoomAtAnyWidth) {
  std::string script = "type kept\n" + Resize("299", "500");
  for (int i = 0; i < 120; ++i) script += "key PgDn\n";
  script += "type far\n" + Resize("34", "90") + "key PgUp\n";
  Replay r(script);
  const auto& store = r.ed().doc.store;
  std::size_t bytes = 0;
  std::string text;
  for (int i = 0; i <= core::RowStore::kLastIndex; ++i) {
    bytes += store.row(i).size();
    for (std::size_t at = 0; at < store.row(i).size(); at += 4) {
      if (store.row(i)[at] != ' ') text += store.row(i)[at];
    }
  }
  EXPECT_EQ(text, "keptfar");
  // Page 1, cleared in the typing colours at start, and the row written far down.
  EXPECT_EQ(bytes, (34u + 1) * 90 * 4);
}

TEST(ConsoleSize, PageCountersFollowTheNewHeight) {
  // Two pages down at 34 rows a page, then 17 rows a page: the line counter stays on
  // line 69, now on page 5, and a save still covers the 102 rows it covered.
  Replay r("key PgDn\nkey PgDn\n" + Resize("17", "90"));
  const auto& doc = r.ed().doc;
  EXPECT_EQ(doc.store.current, 68);
  EXPECT_EQ(doc.line_counter, 69);
  EXPECT_EQ(doc.page_number, 4);
  EXPECT_EQ(doc.last_page_index, 5);
  EXPECT_EQ(r.text(18, 62, 66), "Page5");
}

TEST(ConsoleSize, SizesThatCannotBeTakenLeaveEverythingAsItWas) {
  const std::string setup = "key Home\ntype hello\nkey PgDn\nkey PgUp\ndump before\n";
  const std::pair<std::string, std::string> refused[] = {
      {"0", "80"}, {"abc", "80"}, {"9999", "80"}, {"24", "0"}, {"24", "-5"}, {"", ""}};
  for (const auto& [rows, cols] : refused) {
    SCOPED_TRACE(rows + " x " + cols);
    Replay r(setup + Resize(rows, cols) + "dump after\n", true, "size-refused");
    EXPECT_EQ(r.console().rows(), 35);
    EXPECT_EQ(r.console().cols(), 90);
    EXPECT_EQ(r.host().beeps(), 1);
    EXPECT_EQ(r.dump("after", ".scr"), r.dump("before", ".scr"));
    EXPECT_EQ(r.ed().doc.store.row(0)[0], 'h');  // the document was not re-blanked
  }
}

}  // namespace
}  // namespace tessella
