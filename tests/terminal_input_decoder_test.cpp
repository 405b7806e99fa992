// The terminal's bytes as input records, fed with made-up times.
#include "platform/console_fit.h"
#include "platform/terminal_input_decoder.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "console/key_string.h"
#include "platform/replay_script.h"

namespace tessella::platform {
namespace {

using console::InputRecord;
using console::KeyRecord;
using console::MouseEvent;
using console::MouseRecord;

constexpr Millis kLater = TerminalInputDecoder::kEscTimeout + 1;

std::vector<InputRecord> Drain(TerminalInputDecoder& d) {
  std::vector<InputRecord> out;
  while (auto r = d.Pop()) out.push_back(*r);
  return out;
}

// Everything the bytes decode to once the Esc timeout has passed.
std::vector<InputRecord> Decode(std::string_view bytes) {
  TerminalInputDecoder d;
  d.Feed(bytes, 1000);
  d.Flush(1000 + kLater);
  return Drain(d);
}

InputRecord Key(std::uint8_t ch, std::uint8_t scan, bool alt = false) {
  return KeyRecord{ch, scan, alt};
}
InputRecord NoChar(std::uint8_t scan) { return KeyRecord{0, scan, false}; }
InputRecord Mouse(int row, int col, std::uint8_t buttons, MouseEvent e) {
  return MouseRecord{row, col, buttons, e};
}
// A button going down or up at (row, col), buttons as bits: 1 left, 2 right, 4 middle.
InputRecord Press(int row, int col, std::uint8_t buttons) {
  return Mouse(row, col, buttons, MouseEvent::kButtonDown);
}
InputRecord Release(int row, int col, std::uint8_t buttons) {
  return Mouse(row, col, buttons, MouseEvent::kButtonUp);
}

// The key string the program makes of a single decoded key.
std::string KeyString(std::string_view bytes) {
  const auto records = Decode(bytes);
  if (records.size() != 1) return std::to_string(records.size()) + " records";
  const auto* key = std::get_if<KeyRecord>(&records[0]);
  if (key == nullptr) return "<mouse>";
  return console::EncodeKey(*key).value_or("<none>");
}

std::string Scan(int code) { return std::string{'\0', static_cast<char>(code)}; }

// The bytes as a failure message shows them: control and high bytes escaped.
std::string Printable(std::string_view bytes) {
  return ::testing::PrintToString(std::string(bytes));
}

struct DecodeRow {
  std::string bytes;
  std::vector<InputRecord> records;
};

// Each row's bytes, decoded on their own, give exactly the row's records.
void ExpectDecodes(const std::vector<DecodeRow>& rows) {
  for (const DecodeRow& row : rows) {
    SCOPED_TRACE(Printable(row.bytes));
    EXPECT_EQ(Decode(row.bytes), row.records);
  }
}

TEST(TerminalInputDecoder, CharacterKeysGiveTheirCharacterAndScanCode) {
  ExpectDecodes({
      {"a", {Key('a', 0x1E)}}, {"Z", {Key('Z', 0x2C)}}, {"\r", {Key(13, 0x1C)}},
      {"\t", {Key(9, 0x0F)}}, {" ", {Key(' ', 0x39)}}, {"5", {Key('5', 0x06)}},
      // Backspace is 8 whether the terminal sends DEL or BS.
      {"\x7f", {Key(8, 0x0E)}}, {"\x08", {Key(8, 0x0E)}},
      // Ctrl+letter: the control character with the letter's scan code.
      {"\x01", {Key(1, 0x1E)}}, {"\x1a", {Key(26, 0x2C)}},
      {"\x11\x13", {Key(17, 0x10), Key(19, 0x1F)}},
      // Ctrl+Space has no PC character and is dropped without disturbing what follows.
      {std::string("\0x", 2), {Key('x', 0x2D)}},
      // Esc pressed twice is two Escs.
      {"\x1b\x1b", {Key(27, 0x01), Key(27, 0x01)}},
      // The keypad in application mode types its characters.
      {"\x1bOq\x1bOM\x1bOk", {Key('1', 0x02), Key(13, 0x1C), Key('+', 0x0D)}},
  });
}

// Keys without a character: each form a terminal sends gives the PC's scan code alone.
TEST(TerminalInputDecoder, CursorEditingAndFunctionKeysInEveryCommonForm) {
  const std::pair<const char*, std::uint8_t> rows[] = {
      // Cursor keys, CSI and SS3.
      {"\x1b[A", 0x48}, {"\x1b[B", 0x50}, {"\x1b[C", 0x4D}, {"\x1b[D", 0x4B},
      {"\x1bOA", 0x48}, {"\x1bOB", 0x50}, {"\x1bOC", 0x4D}, {"\x1bOD", 0x4B},
      {"\x1b[1;5A", 0x48},  // Ctrl+Up
      // Home: xterm CSI and SS3, vt220 and the Linux console, rxvt.
      {"\x1b[H", 0x47}, {"\x1bOH", 0x47}, {"\x1b[1~", 0x47}, {"\x1b[7~", 0x47},
      // End, likewise.
      {"\x1b[F", 0x4F}, {"\x1bOF", 0x4F}, {"\x1b[4~", 0x4F}, {"\x1b[8~", 0x4F},
      {"\x1b[2~", 0x52}, {"\x1b[3~", 0x53}, {"\x1b[5~", 0x49}, {"\x1b[6~", 0x51},
      // rxvt's shifted and controlled forms end in $ and ^.
      {"\x1b[3$", 0x53}, {"\x1b[5^", 0x49},
      // F1-F4: xterm SS3, vt100 CSI ~ (rxvt), xterm with a modifier, Linux console.
      {"\x1bOP", 0x3B}, {"\x1bOQ", 0x3C}, {"\x1bOR", 0x3D}, {"\x1bOS", 0x3E},
      {"\x1b[11~", 0x3B}, {"\x1b[12~", 0x3C}, {"\x1b[13~", 0x3D}, {"\x1b[14~", 0x3E},
      {"\x1b[1;2P", 0x3B}, {"\x1b[[A", 0x3B}, {"\x1b[[B", 0x3C}, {"\x1b[[C", 0x3D},
      {"\x1b[[D", 0x3E}, {"\x1b[[E", 0x3F},
      // F5-F12.
      {"\x1b[15~", 0x3F}, {"\x1b[17~", 0x40}, {"\x1b[18~", 0x41}, {"\x1b[19~", 0x42},
      {"\x1b[20~", 0x43}, {"\x1b[21~", 0x44}, {"\x1b[23~", 0x57}, {"\x1b[24~", 0x58},
      {"\x1b[15;5~", 0x3F},
      // Shift-F10 (xterm, rxvt, the Linux console) and the Menu key: the PC's Shift-F10.
      {"\x1b[21;2~", 0x5D}, {"\x1b[21$", 0x5D}, {"\x1b[34~", 0x5D}, {"\x1b[29~", 0x5D},
      {"\x1b[21;5~", 0x44},  // Ctrl-F10 stays F10
  };
  for (const auto& [bytes, scan] : rows) {
    SCOPED_TRACE(Printable(bytes));
    EXPECT_EQ(Decode(bytes), std::vector{NoChar(scan)});
  }
}

TEST(TerminalInputDecoder, AltLetterFollowsTheProgramsAltRule) {
  // ESC prefix and the meta bit both give the letter with Alt, which the key string
  // turns into CHR$(0) + the letter's scan code.
  EXPECT_EQ(Decode("\x1bx"), std::vector{Key('x', 0x2D, true)});
  const std::pair<const char*, std::string> rows[] = {
      {"\x1bx", Scan(0x2D)}, {"\x1b" "A", Scan(0x1E)},
      {"\xe1", Scan(0x1E)},  // meta+a, alone: not the start of UTF-8
      {"\xf8", Scan(0x2D)},  // meta+x
      // ESC O and ESC [ typed alone are Alt+O and Alt+[, not sequences.
      {"\x1bO", Scan(0x18)}, {"\x1b[", "["},
      // Alt with anything but a letter gives the character.
      {"\x1b" "1", "1"}, {"\x1b.", "."}, {"\xb1", "1"},  // the last: meta+1
  };
  for (const auto& [bytes, key] : rows) {
    SCOPED_TRACE(Printable(bytes));
    EXPECT_EQ(KeyString(bytes), key);
  }
}

TEST(TerminalInputDecoder, LoneEscWaitsForTheTimeoutOnly) {
  TerminalInputDecoder d;
  d.Feed("\x1b", 100);
  EXPECT_FALSE(d.HasRecord());
  ASSERT_TRUE(d.Deadline().has_value());
  EXPECT_EQ(*d.Deadline(), 100 + TerminalInputDecoder::kEscTimeout);
  d.Flush(100 + TerminalInputDecoder::kEscTimeout - 1);
  EXPECT_FALSE(d.HasRecord());
  d.Flush(100 + TerminalInputDecoder::kEscTimeout);
  EXPECT_EQ(Drain(d), std::vector{Key(27, 0x01)});
  EXPECT_FALSE(d.Deadline().has_value());
}

TEST(TerminalInputDecoder, SequenceSplitAcrossReadsStaysOneKey) {
  TerminalInputDecoder d;
  d.Feed("\x1b", 100);
  d.Feed("[", 105);
  d.Feed("1", 110);
  d.Feed("5~", 115);
  EXPECT_EQ(Drain(d), std::vector{NoChar(0x3F)});

  d.Feed("\x1b", 200);
  d.Feed("x", 210);
  EXPECT_EQ(Drain(d), std::vector{Key('x', 0x2D, true)});
}

TEST(TerminalInputDecoder, EscThenLateKeyAreTwoKeys) {
  // Nobody called Flush in between: the byte typed later must not join the old Esc.
  TerminalInputDecoder d;
  d.Feed("\x1b", 100);
  d.Feed("x", 100 + kLater);
  EXPECT_EQ(Drain(d), (std::vector{Key(27, 0x01), Key('x', 0x2D)}));
}

TEST(TerminalInputDecoder, Utf8CharactersBecomeCodePage437Bytes) {
  ExpectDecodes({
      {"\xc3\xa9", {Key(0x82, 0)}},             // é
      {"\xe2\x96\x91", {Key(0xB0, 0)}},         // ░
      {"\xe2\x82\xac" "a", {Key('a', 0x1E)}},   // € has no byte
      {"\xf0\x9f\x98\x80", {}},                // emoji: ignored
      // Alt with a character beyond ASCII gives the character.
      {"\x1b\xc3\xa9", {Key(0x82, 0, true)}},
  });

  // A character split across reads is still one character.
  TerminalInputDecoder d;
  d.Feed("\xc3", 10);
  EXPECT_FALSE(d.HasRecord());
  d.Feed("\xa9", 12);
  EXPECT_EQ(Drain(d), std::vector{Key(0x82, 0)});
}

TEST(TerminalInputDecoder, MalformedSequencesKeepTheKeysAfterThem) {
  ExpectDecodes({
      // An unknown sequence is dropped whole.
      {"\x1b[99~a", {Key('a', 0x1E)}}, {"\x1b[?1;2cb", {Key('b', 0x30)}},
      // A control byte cuts a sequence short and is read as itself.
      {"\x1b[1\r", {Key(13, 0x1C)}}, {"\x1b[12\x1b[A", {NoChar(0x48)}},
      // Broken UTF-8 and a broken mouse report.
      {"\xc3q", {Key('C', 0x2E, true), Key('q', 0x10)}},
      {"\x1b[<0;10Mq", {Key('q', 0x10)}},
      // A number too long for any key is not taken for no number (Up).
      {"\x1b[11111111111A", {}},
  });
  // A run of parameters too long for any key is given up without waiting for more.
  TerminalInputDecoder d;
  d.Feed("\x1b[" + std::string(40, '1'), 10);
  d.Feed("z", 11);
  EXPECT_EQ(Drain(d), std::vector{Key('z', 0x2C)});
}

// Reads may split the bytes anywhere (a paste longer than one read); bytes that arrive
// together decode alike however they were split. The fuzzer found the long sequence:
// dropped whole when it came in one read, cut at the limit when it came in pieces.
TEST(TerminalInputDecoder, TheSameBytesDecodeAlikeHoweverTheReadsSplitThem) {
  for (const std::string& bytes :
       {"\x1b[:?" + std::string(60, '0') + "_R\x1b[A", "\x1b[" + std::string(40, '1') + "Az",
        std::string("\x1b[<0;10;5M\x1b[M *%\x1bOP\x1b[[A\xc3\xa9\x1b\x1bx\x1b[21;2~")}) {
    TerminalInputDecoder byte_by_byte;
    for (const char c : bytes) byte_by_byte.Feed(std::string_view(&c, 1), 1000);
    byte_by_byte.Flush(1000 + kLater);
    SCOPED_TRACE(Printable(bytes));
    EXPECT_EQ(Drain(byte_by_byte), Decode(bytes));
  }
}

TEST(TerminalInputDecoder, NoiseNeverHoldsBackTheNextKey) {
  // Random bytes, weighted towards the ones sequences are made of.
  std::mt19937 rng(1234);
  const std::string alphabet = std::string("\x1b[O<;0123456789~MmABHPZ$^\xc3\xe2\x80\xa9") + '\0';
  for (int round = 0; round < 2000; ++round) {
    std::string noise;
    const int length = static_cast<int>(rng() % 24);
    for (int i = 0; i < length; ++i) {
      noise += rng() % 4 == 0 ? static_cast<char>(rng() % 256)
                              : alphabet[rng() % alphabet.size()];
    }
    TerminalInputDecoder d;
    d.Feed(noise, 0);
    d.Flush(kLater);
    EXPECT_FALSE(d.Deadline().has_value()) << "bytes still waiting after the timeout";
    Drain(d);
    d.Feed("q", 2 * kLater);
    EXPECT_EQ(Drain(d), std::vector{Key('q', 0x10)});
  }
}

TEST(TerminalInputDecoder, MouseReportsGiveButtonsMotionAndTheCell) {
  ExpectDecodes({
      // SGR reports: press (M) and release (m) of left, right and middle.
      {"\x1b[<0;10;5M", {Press(5, 10, 1)}}, {"\x1b[<2;11;6M", {Press(6, 11, 2)}},
      {"\x1b[<1;12;7M", {Press(7, 12, 4)}}, {"\x1b[<0;10;5m", {Release(5, 10, 1)}},
      {"\x1b[<2;10;5m", {Release(5, 10, 2)}},
      // Columns past 223 only fit the SGR form.
      {"\x1b[<0;300;40M", {Press(40, 300, 1)}},
      // Modifiers held with the click do not change the button.
      {"\x1b[<16;3;4M", {Press(4, 3, 1)}},
      // The wheel and buttons 8-11 (back, forward) are no buttons of the program's.
      {"\x1b[<64;3;4M\x1b[<65;3;4M\x1b[<128;3;4M\x1b[<129;3;4m\x1b[M\xa0$$", {}},
      // A position no terminal has is noise.
      {"\x1b[<0;10000;4M\x1b[<0;9999;4M", {Press(4, 9999, 1)}},
      // Motion with and without a button held.
      {"\x1b[<35;20;8M", {Mouse(8, 20, 0, MouseEvent::kMoved)}},
      {"\x1b[<32;21;8M", {Mouse(8, 21, 0, MouseEvent::kMoved)}},
      // The original form, ESC [ M b x y with 32 added to each: left press at column 10,
      // row 5, then release.
      {"\x1b[M *%\x1b[M#*%", {Press(5, 10, 1), Release(5, 10, 0)}},
  });
}

TEST(TerminalInputDecoder, ClicksBeyondTheConsoleAreDroppedAndMotionHeldToItsEdge) {
  // A 40 x 100 terminal showing a 35 x 90 console: below the toolbar line and right of
  // the last column there is no console cell to click.
  EXPECT_EQ(FitToConsole(Press(38, 50, 1), 35, 90), std::nullopt);
  EXPECT_EQ(FitToConsole(Mouse(10, 95, 2, MouseEvent::kDoubleClick), 35, 90), std::nullopt);
  EXPECT_EQ(FitToConsole(Release(36, 91, 1), 35, 90), std::nullopt);
  EXPECT_EQ(FitToConsole(Press(35, 90, 1), 35, 90), Press(35, 90, 1));
  EXPECT_EQ(FitToConsole(Mouse(39, 97, 0, MouseEvent::kMoved), 35, 90),
            Mouse(35, 90, 0, MouseEvent::kMoved));
  EXPECT_EQ(FitToConsole(Key(13, 0x1C), 35, 90), Key(13, 0x1C));
}

TEST(TerminalInputDecoder, DoubleClickIsSecondPressOfSameButtonOnSameCellInTime) {
  const std::string left = "\x1b[<0;10;5M\x1b[<0;10;5m";
  TerminalInputDecoder d;
  d.Feed(left, 1000);
  d.Feed(left, 1000 + TerminalInputDecoder::kDoubleClickTime);
  d.Feed(left, 1100 + TerminalInputDecoder::kDoubleClickTime);  // third press: new pair
  EXPECT_EQ(Drain(d), (std::vector{Press(5, 10, 1), Release(5, 10, 1),
                                   Mouse(5, 10, 1, MouseEvent::kDoubleClick), Release(5, 10, 1),
                                   Press(5, 10, 1), Release(5, 10, 1)}));

  auto second_press = [&](std::string_view first, std::string_view second, Millis gap) {
    TerminalInputDecoder t;
    t.Feed(first, 5000);
    t.Feed(second, 5000 + gap);
    auto records = Drain(t);
    return std::get<MouseRecord>(records.back()).event;
  };
  EXPECT_EQ(second_press("\x1b[<2;4;4M", "\x1b[<2;4;4M", 200), MouseEvent::kDoubleClick);
  // Too late, another cell, another button.
  EXPECT_EQ(second_press("\x1b[<0;4;4M", "\x1b[<0;4;4M", 501), MouseEvent::kButtonDown);
  EXPECT_EQ(second_press("\x1b[<0;4;4M", "\x1b[<0;5;4M", 100), MouseEvent::kButtonDown);
  EXPECT_EQ(second_press("\x1b[<0;4;4M", "\x1b[<2;4;4M", 100), MouseEvent::kButtonDown);
}

// What a recorded table line expects: replay lines joined by " + ", and
// "release ROW COL [left|right|middle]" for a button going up (no name: the report
// does not say which).
std::vector<InputRecord> Expected(std::string_view spec) {
  std::vector<InputRecord> out;
  while (!spec.empty()) {
    const std::size_t plus = spec.find(" + ");
    const std::string item(spec.substr(0, plus));
    spec = plus == std::string_view::npos ? std::string_view{} : spec.substr(plus + 3);
    std::istringstream words(item);
    std::string verb;
    int row = 0;
    int col = 0;
    std::string button;
    if (words >> verb && verb == "release" && words >> row >> col) {
      words >> button;
      const std::uint8_t bit = button == "left"     ? console::kLeftButton
                               : button == "right"  ? console::kRightButton
                               : button == "middle" ? console::kMiddleButton
                                                    : 0;
      out.push_back(Mouse(row, col, bit, MouseEvent::kButtonUp));
      continue;
    }
    for (const ScriptLine& line : ParseScript(item)) {
      out.push_back(std::get<InputRecord>(line.item));
    }
  }
  return out;
}

std::string Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned value = 0;
    if (text.substr(i, 2) == "\\x" && i + 4 <= text.size() &&
        std::from_chars(text.data() + i + 2, text.data() + i + 4, value, 16).ptr ==
            text.data() + i + 4) {
      out += static_cast<char>(value);
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Keys, Alt-keys, F-keys and clicks as four terminals send them (recorded from xterm,
// a VTE terminal and tmux; the Linux console's from its terminfo entry), each read fed
// at its recorded time: every terminal's bytes give the same records. The tables and
// how they were made: tests/data/terminal-input/README.md.
TEST(TerminalInputDecoder, RecordedKeysAndClicksOfFourTerminalsDecodeAlike) {
  for (const std::string terminal : {"xterm", "vte", "tmux", "linux"}) {
    std::ifstream table(TESSELLA_SOURCE_DIR "/tests/data/terminal-input/" + terminal + ".txt");
    ASSERT_TRUE(table) << terminal;
    TerminalInputDecoder d;
    Millis now = 0;
    int events = 0;
    std::string line;
    while (std::getline(table, line)) {
      if (line.empty() || line[0] == '#') continue;
      const std::size_t tab = line.find('\t');
      ASSERT_NE(tab, std::string::npos) << terminal << ": " << line;
      std::istringstream reads(line.substr(tab + 1));
      std::string read;
      while (reads >> read) {
        // "MS:BYTES" at a recorded time, or bytes alone 300 ms after the last read.
        Millis at = now + 300;
        const std::size_t colon = read.find(':');
        if (colon != std::string::npos &&
            read.find_first_not_of("0123456789") == colon && colon > 0) {
          at = std::stoll(read.substr(0, colon));
          read.erase(0, colon + 1);
        }
        // As the front end does: bytes waiting past their deadline are decided first.
        if (const auto deadline = d.Deadline(); deadline && *deadline <= at) d.Flush(*deadline);
        d.Feed(Unescape(read), at);
        now = at;
      }
      d.Flush(now + TerminalInputDecoder::kEscTimeout);
      EXPECT_EQ(Drain(d), Expected(line.substr(0, tab))) << terminal << ": " << line;
      ++events;
    }
    EXPECT_GE(events, 34) << terminal;
  }
}

}  // namespace
}  // namespace tessella::platform
