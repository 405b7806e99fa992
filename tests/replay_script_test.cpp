#include <gtest/gtest.h>

#include "platform/replay_script.h"

namespace tessella::platform {
namespace {

using console::KeyRecord;
using console::MouseEvent;
using console::MouseRecord;

console::InputRecord Record(const ScriptLine& line) { return std::get<console::InputRecord>(line.item); }

TEST(ReplayScript, EveryKindOfLine) {
  const auto script = ParseScript(
      "# comment\n\n  key Alt-X\nkey F12\ntype  a\nchar 200\nscan 0x52\n"
      "click 3 4\nrclick 5 6\nmclick 7 8\ndclick 9 10\nmove 11 12\ndump after\r\nchar 0\n");
  ASSERT_EQ(script.size(), 13u);
  EXPECT_EQ(Record(script[0]), (console::InputRecord{KeyRecord{'x', 0x2D, true}}));
  EXPECT_EQ(script[0].line_number, 3);
  EXPECT_EQ(Record(script[1]), (console::InputRecord{KeyRecord{0, 0x58, false}}));
  // "type" takes everything after one blank, blanks included.
  EXPECT_EQ(std::get<KeyRecord>(Record(script[2])).ch, ' ');
  EXPECT_EQ(std::get<KeyRecord>(Record(script[3])).ch, 'a');
  EXPECT_EQ(Record(script[4]), (console::InputRecord{KeyRecord{200, 0, false}}));
  EXPECT_EQ(Record(script[5]), (console::InputRecord{KeyRecord{0, 0x52, false}}));
  EXPECT_EQ(Record(script[6]), (console::InputRecord{MouseRecord{3, 4, 1, MouseEvent::kButtonDown}}));
  EXPECT_EQ(Record(script[7]), (console::InputRecord{MouseRecord{5, 6, 2, MouseEvent::kButtonDown}}));
  EXPECT_EQ(Record(script[8]), (console::InputRecord{MouseRecord{7, 8, 4, MouseEvent::kButtonDown}}));
  EXPECT_EQ(Record(script[9]), (console::InputRecord{MouseRecord{9, 10, 1, MouseEvent::kDoubleClick}}));
  EXPECT_EQ(Record(script[10]), (console::InputRecord{MouseRecord{11, 12, 0, MouseEvent::kMoved}}));
  EXPECT_EQ(std::get<DumpRequest>(script[11].item).name, "after");
  // Character 0 is Ctrl-@ on the 2 key, so it is a key that reaches the program.
  EXPECT_EQ(Record(script[12]), (console::InputRecord{KeyRecord{0, 0x03, false}}));
}

TEST(ReplayScript, UnreadableLinesNameTheLine) {
  using namespace std::string_view_literals;
  for (const std::string_view bad :
       {"key Hyper"sv, "key"sv, "char 256"sv, "scan -1"sv, "click 1"sv, "click 0 5"sv,
        "move a b"sv, "dump ../escape"sv, "dump"sv, "hover 1 1"sv, "type"sv,
        "dump a\0b"sv}) {
    try {
      ParseScript("key Esc\n" + std::string(bad) + "\n");
      ADD_FAILURE() << bad;
    } catch (const ScriptError& e) {
      EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos) << e.what();
    }
  }
}

// A message goes to a terminal: a long line is cut, and control bytes (an escape
// sequence, a NUL) are shown rather than sent.
TEST(ReplayScript, AnErrorQuotesTheFirstEightyCharactersWithControlBytesShown) {
  const auto message = [](const std::string& line) -> std::string {
    try {
      ParseScript(line);
    } catch (const ScriptError& e) {
      return e.what();
    }
    return "no error";
  };
  // 80 characters, an accented letter counting as one; then the cut.
  const std::string start = "hover \xc3\xa9" + std::string(73, 'x');
  EXPECT_EQ(message(start + "yz\n"), "script line 1: unknown command: " + start + "...");
  EXPECT_EQ(message(start + "\n"), "script line 1: unknown command: " + start);
  EXPECT_EQ(message(std::string("key \x1b[2J\0!\x7f\n", 12)),
            "script line 1: unknown key name: key \\x1B[2J\\x00!\\x7F");
  // Bytes that are no UTF-8 character, and C1 controls (CSI as U+009B), count one each.
  EXPECT_EQ(message("key \xc2\x9b" + std::string(100, '\xb0')),
            "script line 1: unknown key name: key \\xC2\\x9B" + [] {
              std::string shown;
              for (int i = 0; i < 74; ++i) shown += "\\xB0";
              return shown;
            }() + "...");
}

}  // namespace
}  // namespace tessella::platform
