#include <gtest/gtest.h>

#include "console/input.h"
#include "console/key_string.h"
#include "console/keys.h"
#include "fake_host.h"

namespace tessella::console {
namespace {

TEST(KeyString, AltWithALetterGivesItsScanCodeOtherAltCombinationsTheirCharacter) {
  EXPECT_EQ(*EncodeKey({'x', 0x2D, true}), std::string("\0\x2D", 2));
  EXPECT_EQ(KeyNumber(*EncodeKey({'x', 0x2D, true})), 0x2D00);
  EXPECT_EQ(KeyNumber(*EncodeKey({'q', 0x10, true})), keys::kAltQ);
  EXPECT_EQ(KeyNumber(*EncodeKey({'m', 0x32, true})), keys::kAltM);
  EXPECT_EQ(*EncodeKey({'1', 0x02, true}), "1");  // a digit is outside the letter rows
  EXPECT_EQ(*EncodeKey({';', 0x27, true}), ";");  // 0x27 lies between two letter rows
  EXPECT_EQ(*EncodeKey({'x', 0x2D, false}), "x");
}

TEST(KeyString, KeyNumbersFollowCvi) {
  EXPECT_EQ(KeyNumber(*EncodeKey({0, 0x48, false})), keys::kUp);
  EXPECT_EQ(KeyNumber(*EncodeKey({0, 0x57, false})), keys::kF11);
  EXPECT_EQ(KeyNumber("\xC8"), 200);
  EXPECT_EQ(KeyNumber(""), 0);
  EXPECT_EQ(KeyNumber("\xFF\xFF\x04\x04"), -1);
  EXPECT_FALSE(EncodeKey({0, 0x2A, false}));  // Shift alone
  EXPECT_FALSE(EncodeKey({0, 0, false}));
}

TEST(KeyString, MouseModesFilterEventsAndButtons) {
  const MouseRecord down{3, 4, kLeftButton, MouseEvent::kButtonDown};
  const MouseRecord moved{3, 4, 0, MouseEvent::kMoved};
  const MouseRecord dbl{3, 4, kLeftButton, MouseEvent::kDoubleClick};
  const MouseRecord up{3, 4, kLeftButton, MouseEvent::kButtonUp};
  EXPECT_EQ(*EncodeMouse(down, MouseMode::kStandard), "\xFF\xFF\x04\x01");
  EXPECT_EQ(*EncodeMouse(dbl, MouseMode::kStandard), "\xFF\xFF\x02\x01");
  EXPECT_FALSE(EncodeMouse(moved, MouseMode::kStandard));
  EXPECT_FALSE(EncodeMouse(up, MouseMode::kStandard));
  EXPECT_TRUE(EncodeMouse(moved, MouseMode::kTracking));
  EXPECT_FALSE(EncodeMouse(dbl, MouseMode::kTracking));
  EXPECT_EQ(*EncodeMouse(down, MouseMode::kTracking), "\xFF\xFF\x04\x01");
}

TEST(GetKey, ClicksGiveFlagsAndPositionMiddleClickIsAKeyMovesAreDropped) {
  testing::FakeHost host;
  host.Queue("move 5 6\nrclick 7 8\nmclick 9 10\ndclick 2 3\ntype a\n");
  Input input(host);
  Event right = GetKey(input);
  EXPECT_EQ(right.rgt, 1);
  EXPECT_EQ(right.key, "");
  EXPECT_EQ(right.keynumber, 0);
  EXPECT_EQ(right.row, 7);
  EXPECT_EQ(right.col, 8);
  Event middle = GetKey(input);
  EXPECT_EQ(middle.keynumber, -1);
  EXPECT_EQ(middle.key.size(), 4u);
  EXPECT_EQ(middle.row, 0);
  Event dbl = GetKey(input);  // a double click is a left click
  EXPECT_EQ(dbl.lft, 1);
  EXPECT_EQ(dbl.row, 2);
  Event key = GetKey(input);
  EXPECT_EQ(key.keynumber, 'a');
  EXPECT_EQ(input.mouse_row(), 2);  // the last click's place is kept
}

}  // namespace
}  // namespace tessella::console
