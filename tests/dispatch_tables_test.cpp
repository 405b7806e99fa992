// The main loop's dispatch tables and its error trap.
#include <gtest/gtest.h>

#include <set>

#include "app/session.h"
#include "console/keys.h"
#include "app/key_table.h"
#include "app/menu_table.h"
#include "fake_host.h"
#include "replay_fixture.h"

namespace tessella {
namespace {

using testing::Replay;

TEST(KeyTable, EveryKeyNumberHasOneCommand) {
  std::set<int> seen;
  for (const auto& entry : app::KeyTable()) {
    EXPECT_TRUE(seen.insert(entry.keynumber).second) << entry.name;
    EXPECT_NE(entry.command, nullptr) << entry.name;
  }
  // Printable keys, Tab (neutralised to 0) and mouse events are not in the table: they
  // go down the typing path.
  EXPECT_EQ(app::FindKey('a'), nullptr);
  EXPECT_EQ(app::FindKey(0), nullptr);
  EXPECT_EQ(app::FindKey(keys::kTab), nullptr);
  EXPECT_NE(app::FindKey(keys::kAltX), nullptr);
}

TEST(MenuTable, CodesBecomeKeysWithTheirSideEffects) {
  Replay r("");
  auto& ed = r.ed();
  core::Event ev;
  app::TranslateMenuCode(ed, ev, 13);
  EXPECT_EQ(ev.keynumber, keys::kAltS);
  EXPECT_TRUE(ed.loop.save_as);
  ev = {};
  app::TranslateMenuCode(ed, ev, 14);
  EXPECT_TRUE(ed.loop.save_part);
  ev = {};
  // Only Margin on moves the column (the margin then lands on the cursor's own
  // column); every other command keeps the cursor as its key would.
  const int col = ed.pen.cursor_col;
  app::TranslateMenuCode(ed, ev, 44);
  EXPECT_EQ(ev.keynumber, keys::kAltK);
  EXPECT_EQ(ed.pen.cursor_col, col);
  app::TranslateMenuCode(ed, ev, 41);
  EXPECT_EQ(ev.keynumber, keys::kAltM);
  EXPECT_EQ(ed.pen.cursor_col, col - 1);
  ev = {};
  app::TranslateMenuCode(ed, ev, 25);
  EXPECT_EQ(ev.keynumber, keys::kDigit0);
  app::TranslateMenuCode(ed, ev, 214);
  EXPECT_EQ(ev.keynumber, keys::kDigit9);
  for (int none : {0, 10, 16, 20, 40, 46, 215}) {
    ev = {};
    app::TranslateMenuCode(ed, ev, none);
    EXPECT_EQ(ev.keynumber, 0) << none;
  }
  EXPECT_THROW(app::TranslateMenuCode(ed, ev, 15), ports::SessionEnd);
  // Every code with a command leads to a key the key table knows.
  for (const auto& entry : app::MenuTable()) {
    if (entry.effect != app::MenuEffect::kExitProgram) {
      EXPECT_NE(app::FindKey(entry.keynumber), nullptr) << entry.code;
    }
  }
}

TEST(MainLoop, BookkeepingCountsPagesAndRemembersTheKey) {
  Replay r("key PgDn\nkey PgDn\nkey PgUp\nkey Home\n");
  const auto& ed = r.ed();
  EXPECT_EQ(ed.doc.line_counter, 35);
  EXPECT_EQ(ed.doc.page_number, 1);
  EXPECT_EQ(ed.doc.highest_row, 69);
  EXPECT_EQ(ed.doc.last_page_index, 2);
  EXPECT_EQ(ed.loop.previous_key, keys::kHome);
  EXPECT_EQ(r.text(35, 66, 66), "2");
}

TEST(MainLoop, FirstCornerClickPushesTheBeforePicture) {
  Replay r("click 5 5\nclick 6 6\nkey Esc\nclick 7 7\nclick 8 8\nkey Esc\n");
  EXPECT_EQ(r.ed().undo.undo_count(), 2);
  EXPECT_EQ(r.ed().selection.flag_first, 0);
}

TEST(MainLoop, ErrorTrapAbandonsTheCommandAndGoesOn) {
  testing::FakeHost* host = nullptr;
  app::Session session([&](const console::Console&) {
    auto h = std::make_unique<testing::FakeHost>();
    host = h.get();
    // The third wait fails the way a broken command would; the fifth as a file command
    // meeting a file it cannot read.
    host->Queue("key Space\nkey Home\nkey Home\nkey Home\nkey Home\n");
    host->fail_at_wait = 3;
    host->fail_for_user_at_wait = 5;
    return h;
  });
  EXPECT_EQ(session.Run(), 0);
  EXPECT_EQ(host->waits, 8);  // the loop went on after both failures to read all records
  EXPECT_EQ(session.console().title(), "   Tessella  Version 2.9       ");
  EXPECT_EQ(session.editor().pen.cursor_row, 1);
  // The program's own fault is reported; the user's is shown in a box for three seconds.
  EXPECT_EQ(host->internal_errors, std::vector<std::string>{"input failed"});
  EXPECT_EQ(host->beeps, 1);
  EXPECT_GE(host->slept_ms, 3000);
}

}  // namespace
}  // namespace tessella
