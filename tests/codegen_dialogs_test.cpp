// The DOS code dialog, the launching box and the name box read on their own from
// scripted events, and the generator commands started without an area.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "codegen/dos_dialog.h"
#include "codegen/label_box.h"
#include "codegen/launching_box.h"
#include "console/input.h"
#include "fake_host.h"
#include "replay_fixture.h"

namespace tessella::codegen {
namespace {

struct DialogSession {
  console::Console con;
  testing::FakeHost host;
  console::Input input{host};

  explicit DialogSession(std::string_view script) {
    host.Queue(script);
    con.SetColor(1, 15);
  }
  ui::Modal modal() { return ui::Modal{con, input, host}; }
};

TEST(DosDialog, ClicksAndKeysGiveTheAnswersAndLeaveTheConsoleAsItWas) {
  struct Case {
    const char* script;
    DosBasic remembered;
    std::optional<DosAnswers> expected;
    int slept_ms;  // only "Pick a Basic" pauses
  };
  using enum DosBasic;
  const Case cases[] = {
      // PB, then No, then the label.
      {"click 12 41\nclick 9 54\nclick 16 30\ntype Menu\nkey Enter\n", kNone,
       DosAnswers{kPB, false, "Menu"}, 0},
      // The drawn edges of the buttons are not part of their click areas: No's left
      // edge, PB's left edge and the label frame's first column do nothing.
      {"click 9 52\nclick 12 39\nclick 16 26\nclick 12 57\nclick 16 57\nkey Enter\n", kNone,
       DosAnswers{kGW, true, ""}, 0},
      // The label field before a Basic is picked: three seconds of "Pick a Basic", and
      // keys meanwhile are passed over.
      {"click 16 40\ntype x\nclick 12 48\nclick 9 54\nclick 9 46\nclick 15 27\ntype L\nkey Enter\n",
       kNone, DosAnswers{kQB, true, "L"}, 3000},
      // The Basic of the last run is already picked; another click changes it.
      {"click 17 57\nkey Enter\n", kQB, DosAnswers{kQB, true, ""}, 0},
      {"click 11 55\nclick 16 40\nkey Enter\n", kPB, DosAnswers{kGW, true, ""}, 0},
      // Esc leaves at any point before the label is typed.
      {"key Esc\n", kNone, std::nullopt, 0},
      {"click 12 41\nclick 9 54\nkey Esc\n", kQB, std::nullopt, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    DialogSession s(c.script);
    const console::RecordImage before = s.con.Snapshot();
    const std::optional<DosAnswers> got = AskDosAnswers(s.modal(), c.remembered);
    ASSERT_EQ(got.has_value(), c.expected.has_value());
    if (got) {
      EXPECT_EQ(got->basic, c.expected->basic);
      EXPECT_EQ(got->include_launcher, c.expected->include_launcher);
      EXPECT_EQ(got->label, c.expected->label);
    }
    EXPECT_EQ(s.host.slept_ms, c.slept_ms);
    EXPECT_TRUE(s.con.Snapshot() == before) << "the dialog left a trace";
    EXPECT_FALSE(s.con.cursor_visible());
  }
}

TEST(LaunchingBox, OnlyAClickOnYesIsYes) {
  const std::pair<const char*, bool> cases[] = {
      {"click 19 35\n", true},  {"click 19 37\n", true},  {"rclick 19 36\n", true},
      {"click 19 34\n", false}, {"click 19 38\n", false}, {"click 18 36\n", false},
      {"click 19 50\n", false}, {"type y\n", false},      {"key Enter\n", false},
  };
  for (const auto& [script, yes] : cases) {
    DialogSession s(script);
    const console::RecordImage before = s.con.Snapshot();
    EXPECT_EQ(AskLaunchingRoutine(s.modal()), yes) << script;
    EXPECT_TRUE(s.con.Snapshot() == before) << script;
  }
}

TEST(NameBox, ALongLabelIsKeptWholeAndOnlyTheFieldIsWritten) {
  const std::string label(40, 'N');
  DialogSession s("type " + label + "\nkey Enter\n");
  std::string echoed;  // row 12 as it stands when the last key is read
  s.host.on_wait = [&] {
    echoed.clear();
    for (int col = 31; col <= 57; ++col) echoed += static_cast<char>(s.con.At(1, 12, col).ch);
  };
  EXPECT_EQ(AskDataLabel(s.modal()), label);
  // The green field, then the box's last blank and its frame.
  EXPECT_EQ(echoed, std::string(25, 'N') + " \xBA");
}

// Without a chosen area each command shows the two-corner warning and hands nothing
// over; the user control code for PBdos/QB asks for no name, so what is typed next is
// typed on the screen.
TEST(GeneratorCommands, WithoutAnAreaOnlyTheWarningIsShown) {
  for (const char* key : {"F7", "F8", "Alt-T", "Alt-A", "Alt-J", "Alt-L", "Alt-R", "Alt-P"}) {
    testing::Replay r(std::string("key ") + key + "\nkey Space\ntype ok\n");
    EXPECT_EQ(r.host().beeps(), 1) << key;
    EXPECT_FALSE(r.host().clipboard().has_value()) << key;
    EXPECT_EQ(r.text(10, 40, 41), "ok") << key;
  }
}

}  // namespace
}  // namespace tessella::codegen
