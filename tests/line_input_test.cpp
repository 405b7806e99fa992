// The one-line prompt reader and the number a prompt reads.
#include <gtest/gtest.h>

#include "console/console.h"
#include "console/input.h"
#include "console/line_input.h"
#include "platform/replay_host.h"
#include "platform/replay_script.h"

namespace tessella::console {
namespace {

// A console and the modal reader fed from a replay script.
struct Prompt {
  Console con{10, 20};
  platform::ReplayHost host;
  Input input{host};
  explicit Prompt(std::string_view script) : host(con, platform::ParseScript(script), {}) {
    con.SetColor(14, 4);
  }
  std::string Row(int row) {
    std::string s;
    for (int c = 1; c <= con.cols(); ++c) s += static_cast<char>(con.AtOutput(row, c).ch);
    return s;
  }
};

TEST(LineInput, EchoesInTheOutputColourAndBackspaceRemovesTheLastCharacter) {
  Prompt p("type 245\nkey Backspace\nkey Backspace\ntype 7\nkey Enter\n");
  EXPECT_EQ(ReadLine(p.con, p.input, 3, 5, 10), "27");
  EXPECT_EQ(p.Row(3), "    27              ");  // the removed characters are blanked
  EXPECT_EQ(p.con.AtOutput(3, 5).attr, Attribute(14, 4));
  EXPECT_EQ(p.con.AtOutput(3, 6).attr, Attribute(14, 4));
}

TEST(LineInput, ControlCharactersKeysWithoutACharacterAndClicksAreIgnored) {
  Prompt p("char 7\nkey Tab\nkey Left\nkey Esc\nclick 3 3\nrclick 1 1\nmclick 2 2\n"
           "key Backspace\ntype a\nchar 200\nkey Enter\nkey Enter\n");
  EXPECT_EQ(ReadLine(p.con, p.input, 1, 1, 10), "a\xC8");
  EXPECT_EQ(p.host.pending(), 1u);  // the line ended at the first Enter
  EXPECT_EQ(p.Row(1).substr(0, 3), "a\xC8 ");
}

TEST(LineInput, TakesNoMoreThanTheLimitAndEchoesOnlyWhatFitsOnTheRow) {
  Prompt limited("type 123456789\nkey Enter\n");
  EXPECT_EQ(ReadLine(limited.con, limited.input, 2, 2, 4), "1234");
  EXPECT_EQ(limited.Row(2), " 1234               ");

  // Five cells are left from column 16 of a 20-column console: the whole line is
  // taken, but nothing wraps onto the next row and the console does not scroll.
  Prompt edge("type abcdefgh\nkey Enter\n");
  edge.con.PutText(10, 1, 7, 0, "bottom");
  EXPECT_EQ(ReadLine(edge.con, edge.input, 10, 16, 50), "abcdefgh");
  EXPECT_EQ(edge.Row(10), "bottom         abcde");
  EXPECT_EQ(edge.Row(9), std::string(20, ' '));

  // Backspace past the hidden part reaches the echoed characters again.
  Prompt back("type abcdefgh\nkey Backspace\nkey Backspace\nkey Backspace\n"
              "key Backspace\nkey Enter\n");
  EXPECT_EQ(ReadLine(back.con, back.input, 10, 16, 50), "abcd");
  EXPECT_EQ(back.Row(10), "               abcd ");
}

TEST(LineInput, ValReadsTheLeadingNumber) {
  EXPECT_EQ(Val("24"), 24);
  EXPECT_EQ(Val("  80 columns"), 80);
  EXPECT_EQ(Val("12abc"), 12);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("-3"), -3);
  EXPECT_DOUBLE_EQ(Val("2.5"), 2.5);
}

}  // namespace
}  // namespace tessella::console
