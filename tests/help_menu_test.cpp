#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "console/input.h"
#include "ui/catalogue.h"
#include "help/help_menu.h"
#include "fake_host.h"

namespace tessella::help {
namespace {

// Compares two console snapshots and names the first cell that differs.
::testing::AssertionResult Same(const console::RecordImage& image_a,
                                const console::RecordImage& image_b) {
  const std::string& a = image_a.bytes();
  const std::string& b = image_b.bytes();
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
  HelpMenuTest() : input_(host_) {
    // Every picture of the console the menu waits on, in order.
    host_.on_wait = [this] { shown_.push_back(console_.Snapshot()); };
    console_.SetColor(1, 15);
    console_.Clear();
    console_.PutText(10, 40, 14, 4, "a design");
    console_.SetCursorVisible(true);
    before_ = console_.Snapshot();
  }

  void Key(char ch) { host_.Push(console::KeyRecord{static_cast<std::uint8_t>(ch), 0, false}); }
  void Scan(std::uint8_t scan) { host_.Push(console::KeyRecord{0, scan, false}); }
  void Click(int row, int col, std::uint8_t button = console::kLeftButton) {
    host_.Push(console::MouseRecord{row, col, button, console::MouseEvent::kButtonDown});
  }

  // Runs the Help command; the script must end with a way out of the menu.
  void Run() { RunHelp(console_, input_); }

  // The design with the pictures drawn over it, in order.
  console::RecordImage With(std::initializer_list<std::string_view> pictures) {
    console::Console c;
    c.Restore(before_);
    for (std::string_view picture : pictures) ui::DrawPicture(c, ui::IdOf(*ui::FindPicture(picture)));
    return c.Snapshot();
  }
  console::RecordImage With(std::string_view picture) { return With({picture}); }
  console::RecordImage Screen(std::string_view picture) { return With({"help_menu", picture}); }

  console::Console console_;
  testing::FakeHost host_;
  console::Input input_;
  console::RecordImage before_;
  std::vector<console::RecordImage> shown_;
};

TEST_F(HelpMenuTest, EscLeavesTheConsoleAsItWas) {
  Key(27);
  Run();
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_TRUE(Same(shown_[0], With("help_menu")));
  EXPECT_FALSE(shown_[0] == before_);
  EXPECT_TRUE(Same(console_.Snapshot(), before_));
  EXPECT_TRUE(console_.cursor_visible());
}

TEST_F(HelpMenuTest, RightClickAndTheEscCellLeave) {
  Click(12, 40, console::kRightButton);
  Run();
  EXPECT_EQ(shown_.size(), 1u);
  EXPECT_TRUE(Same(console_.Snapshot(), before_));

  Click(23, 60);  // the "Esc" cell
  Run();
  EXPECT_EQ(shown_.size(), 2u);
  EXPECT_TRUE(Same(console_.Snapshot(), before_));

  console_.SetCursorVisible(false);
  Key(27);
  Run();
  EXPECT_FALSE(console_.cursor_visible());
}

TEST_F(HelpMenuTest, BCAndDShowTheSameScreen) {
  for (char key : {'b', 'c', 'D'}) {
    Key(key);
    Key(' ');
  }
  Key(27);
  Run();
  const auto& shown = shown_;
  ASSERT_EQ(shown.size(), 7u);
  for (int i : {1, 3, 5}) {
    EXPECT_TRUE(Same(shown[i], Screen("help_bcd"))) << i;
    EXPECT_TRUE(Same(shown[i + 1], With("help_menu"))) << i;  // a key returns to the menu
  }
  EXPECT_TRUE(Same(console_.Snapshot(), before_));
}

TEST_F(HelpMenuTest, ClicksPickTheItemOfTheirBand) {
  Click(5, 12);   // A, first column of the band
  Key('x');
  Click(23, 49);  // 3, last column of the second band
  Key('x');
  Click(21, 70);  // 1, last column of the third band
  Click(1, 1);    // any click leaves a help screen too
  Key(27);
  Run();
  const auto& shown = shown_;
  ASSERT_EQ(shown.size(), 7u);
  EXPECT_TRUE(Same(shown[1], Screen("help_a")));
  EXPECT_TRUE(Same(shown[3], Screen("help_3")));
  EXPECT_TRUE(Same(shown[5], Screen("help_1")));
}

TEST_F(HelpMenuTest, ClicksOutsideTheItemsPickNothing) {
  Click(6, 20);   // between item rows
  Key('q');       // the wait after a miss; this key is not an item pick
  Click(5, 29);   // between the bands
  Key(' ');
  Click(5, 50);
  Key(' ');
  Click(5, 71);
  Key(' ');
  Key(27);
  Run();
  const auto& shown = shown_;
  ASSERT_EQ(shown.size(), 9u);
  for (const auto& s : shown) EXPECT_TRUE(Same(s, With("help_menu")));
}

TEST_F(HelpMenuTest, KeysWithoutAnItemWaitAndShowTheMenuAgain) {
  Key('!');
  Key('v');      // consumed by the wait, not an item
  Scan(0x3B);    // F1
  Key(' ');
  Key('e');      // a lone E is the Edit item, not "Esc"
  Key(' ');
  Key(27);
  Run();
  const auto& shown = shown_;
  ASSERT_EQ(shown.size(), 7u);
  for (int i : {0, 1, 2, 3, 4, 6}) EXPECT_TRUE(Same(shown[i], With("help_menu"))) << i;
  EXPECT_TRUE(Same(shown[5], Screen("help_e")));
  EXPECT_TRUE(Same(console_.Snapshot(), before_));
}

}  // namespace
}  // namespace tessella::help
