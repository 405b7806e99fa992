#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "console/console.h"
#include "console/input.h"
#include "help/catalogue.h"
#include "help/help_menu.h"
#include "platform/host.h"

namespace tessella::help {
namespace {

// Hands out scripted input records and records every picture of the console it is
// asked to show; the session ends when the script is used up.
class ScriptHost : public platform::Host {
 public:
  explicit ScriptHost(console::Console& console) : console_(console) {}

  void Key(char ch) { script_.push_back(console::KeyRecord{static_cast<std::uint8_t>(ch), 0, false}); }
  void Scan(std::uint8_t scan) { script_.push_back(console::KeyRecord{0, scan, false}); }
  void Click(int row, int col, std::uint8_t button = console::kLeftButton) {
    script_.push_back(console::MouseRecord{row, col, button, console::MouseEvent::kButtonDown});
  }

  std::optional<console::InputRecord> Poll() override {
    if (script_.empty()) return std::nullopt;
    return Next();
  }
  console::InputRecord Wait() override {
    shown_.push_back(console_.Snapshot());
    if (script_.empty()) throw platform::SessionEnd{};
    return Next();
  }
  void Sleep(int) override {}
  void Beep() override {}
  void SetClipboard(std::string_view) override {}
  void SetMouseTracking(bool) override {}
  bool RequestSize(int, int) override { return false; }
  void Finish() override {}

  // The console as it stood at each wait, in order.
  const std::vector<std::string>& shown() const { return shown_; }

 private:
  console::InputRecord Next() {
    console::InputRecord r = script_.front();
    script_.pop_front();
    return r;
  }
  console::Console& console_;
  std::deque<console::InputRecord> script_;
  std::vector<std::string> shown_;
};

// Compares two console snapshots and names the first cell that differs.
::testing::AssertionResult Same(const std::string& a, const std::string& b) {
  if (a == b) return ::testing::AssertionSuccess();
  if (a.size() != b.size()) return ::testing::AssertionFailure() << "sizes differ";
  std::size_t i = 0;
  while (a[i] == b[i]) ++i;
  const std::size_t cell = i / console::kRecordBytes;
  return ::testing::AssertionFailure() << "cell " << cell << " (row " << cell / 90 + 1
                                       << ", column " << cell % 90 + 1 << ") differs";
}

class HelpMenuTest : public ::testing::Test {
 protected:
  HelpMenuTest() : host_(console_), input_(host_) {
    console_.SetColor(1, 15);
    console_.Clear();
    console_.PutText(10, 40, 14, 4, "a design");
    console_.SetCursorVisible(true);
    before_ = console_.Snapshot();
  }

  // Runs the Help command; the script must end with a way out of the menu.
  void Run() { RunHelp(console_, input_); }

  // The design with the pictures drawn over it, in order.
  std::string With(std::initializer_list<std::string_view> pictures) {
    console::Console c;
    c.Restore(before_);
    for (std::string_view picture : pictures) DrawPicture(c, picture);
    return c.Snapshot();
  }
  std::string With(std::string_view picture) { return With({picture}); }
  std::string Screen(std::string_view picture) { return With({"help_menu", picture}); }

  console::Console console_;
  ScriptHost host_;
  console::Input input_;
  std::string before_;
};

TEST_F(HelpMenuTest, EscLeavesTheConsoleAsItWas) {
  host_.Key(27);
  Run();
  ASSERT_EQ(host_.shown().size(), 1u);
  EXPECT_TRUE(Same(host_.shown()[0], With("help_menu")));
  EXPECT_FALSE(std::string(host_.shown()[0]) == before_);
  EXPECT_TRUE(Same(console_.Snapshot(), before_));
  EXPECT_TRUE(console_.cursor_visible());
}

TEST_F(HelpMenuTest, RightClickAndTheEscCellLeave) {
  host_.Click(12, 40, console::kRightButton);
  Run();
  EXPECT_EQ(host_.shown().size(), 1u);
  EXPECT_TRUE(Same(console_.Snapshot(), before_));

  host_.Click(23, 60);  // the "Esc" cell
  Run();
  EXPECT_EQ(host_.shown().size(), 2u);
  EXPECT_TRUE(Same(console_.Snapshot(), before_));

  console_.SetCursorVisible(false);
  host_.Key(27);
  Run();
  EXPECT_FALSE(console_.cursor_visible());
}

TEST_F(HelpMenuTest, BCAndDShowTheSameScreen) {
  for (char key : {'b', 'c', 'D'}) {
    host_.Key(key);
    host_.Key(' ');
  }
  host_.Key(27);
  Run();
  const auto& shown = host_.shown();
  ASSERT_EQ(shown.size(), 7u);
  for (int i : {1, 3, 5}) {
    EXPECT_TRUE(Same(shown[i], Screen("help_bcd"))) << i;
    EXPECT_TRUE(Same(shown[i + 1], With("help_menu"))) << i;  // a key returns to the menu
  }
  EXPECT_TRUE(Same(console_.Snapshot(), before_));
}

TEST_F(HelpMenuTest, ClicksPickTheItemOfTheirBand) {
  host_.Click(5, 12);   // A, first column of the band
  host_.Key('x');
  host_.Click(23, 49);  // 3, last column of the second band
  host_.Key('x');
  host_.Click(21, 70);  // 1, last column of the third band
  host_.Click(1, 1);    // any click leaves a help screen too
  host_.Key(27);
  Run();
  const auto& shown = host_.shown();
  ASSERT_EQ(shown.size(), 7u);
  EXPECT_TRUE(Same(shown[1], Screen("help_a")));
  EXPECT_TRUE(Same(shown[3], Screen("help_3")));
  EXPECT_TRUE(Same(shown[5], Screen("help_1")));
}

TEST_F(HelpMenuTest, ClicksOutsideTheItemsPickNothing) {
  host_.Click(6, 20);   // between item rows
  host_.Key('q');       // the wait after a miss; this key is not an item pick
  host_.Click(5, 29);   // between the bands
  host_.Key(' ');
  host_.Click(5, 50);
  host_.Key(' ');
  host_.Click(5, 71);
  host_.Key(' ');
  host_.Key(27);
  Run();
  const auto& shown = host_.shown();
  ASSERT_EQ(shown.size(), 9u);
  for (const std::string& s : shown) EXPECT_TRUE(Same(s, With("help_menu")));
}

TEST_F(HelpMenuTest, KeysWithoutAnItemWaitAndShowTheMenuAgain) {
  host_.Key('!');
  host_.Key('v');      // consumed by the wait, not an item
  host_.Scan(0x3B);    // F1
  host_.Key(' ');
  host_.Key('e');      // a lone E is the Edit item, not "Esc"
  host_.Key(' ');
  host_.Key(27);
  Run();
  const auto& shown = host_.shown();
  ASSERT_EQ(shown.size(), 7u);
  for (int i : {0, 1, 2, 3, 4, 6}) EXPECT_TRUE(Same(shown[i], With("help_menu"))) << i;
  EXPECT_TRUE(Same(shown[5], Screen("help_e")));
  EXPECT_TRUE(Same(console_.Snapshot(), before_));
}

}  // namespace
}  // namespace tessella::help
