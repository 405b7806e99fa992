// Typing in strikeover mode, Backspace, Tab, Home and End, and the text colours,
// driven through the running program.
#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "editor/text_entry.h"
#include "replay_fixture.h"

namespace tessella {
namespace {

using console::Attribute;
using testing::Replay;

constexpr int kDefaultAttr = Attribute(1, 15);

TEST(Typing, KeysWithoutACharacterWriteTheirTwoBytesAndTabWritesNothing) {
  Replay r("key Ins\n");
  EXPECT_EQ(r.cell(10, 40).ch, 0);
  EXPECT_EQ(r.cell(10, 41).ch, 0x52);
  EXPECT_EQ(r.ed().pen.cursor_col, 41);  // one column on, whatever the key's length

  // Tab opens the menus; left without a choice it has written nothing and the cursor
  // is where it was.
  Replay tab("key Tab\nkey Esc\n");
  EXPECT_EQ(tab.text(10, 38, 44), std::string(7, ' '));
  EXPECT_EQ(tab.cell(10, 40).attr, kDefaultAttr);
  EXPECT_EQ(tab.ed().pen.cursor_col, 40);
}

TEST(Typing, UpAtTheTopOfTheFirstPageDoesNothing) {
  Replay r("type abc\nkey Home\nkey Up\n");
  const auto& ed = r.ed();
  EXPECT_EQ(ed.pen.cursor_row, 1);
  EXPECT_EQ(ed.pen.cursor_col, 1);
  EXPECT_EQ(ed.doc.store.current, 0);
  EXPECT_EQ(ed.doc.line_counter, 1);
  EXPECT_EQ(r.text(10, 40, 42), "abc");
  EXPECT_EQ(r.host().beeps(), 0);
}

TEST(TextColours, F3AndF4WrapRoundAndTheLabelShowsTheNewColours) {
  std::string script = "key F4\n";  // background 15 becomes 0
  for (int i = 0; i < 15; ++i) script += "key F3\n";  // text 1 round to 0
  script += "type k\n";
  Replay r(script);
  auto& ed = r.ed();
  EXPECT_EQ(ed.pen.txcolor, 0);
  EXPECT_EQ(ed.pen.bgcolor, 0);
  EXPECT_EQ(r.cell(10, 40).attr, Attribute(0, 0));
  EXPECT_EQ(r.cell(35, 45).attr, Attribute(0, 0));  // the live label at its own place

  // The label printed by the command itself, before the toolbar is redrawn.
  core::Event ev;
  editor::NextBackColour(ed, ev);
  EXPECT_EQ(ed.pen.bgcolor, 1);
  EXPECT_EQ(r.text(35, 40, 55), " Txcolor BGcolor");
  EXPECT_EQ(r.cell(35, 40).attr, Attribute(0, 1));
  EXPECT_EQ(r.cell(35, 55).attr, Attribute(0, 1));
  EXPECT_EQ(r.console().color(), Attribute(0, 1));
}

TEST(TextColours, ClearFillsTheWholeConsoleAndLeavesTheDocument) {
  Replay r("type abc\nkey PgDn\nkey PgUp\nkey F4\nkey F11\n");
  EXPECT_EQ(r.text(10, 40, 42), "   ");
  EXPECT_EQ(r.cell(10, 40).attr, Attribute(1, 0));
  EXPECT_EQ(r.cell(34, 90).attr, Attribute(1, 0));
  EXPECT_EQ(r.ed().doc.store.row(9)[39 * 4], 'a');  // the stored page keeps its text
}

}  // namespace
}  // namespace tessella
