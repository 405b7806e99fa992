// What the renderer sends the terminal, byte for byte.
#include "platform/terminal_renderer.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "console/console.h"
#include "console/cp437.h"
#include "platform/terminal_sgr.h"

namespace tessella::platform {
namespace {

using console::Console;

std::string Frame(TerminalRenderer& r, const Console& c) {
  std::string out;
  r.Render(TerminalFrame::Of(c), out);
  return out;
}

// xterm's line-drawing map (terminfo acsc).
constexpr std::string_view kXtermPairs = "``aaffggiijjkkllmmnnooppqqrrssttuuvvwwxxyyzz{{||}}~~";

// A renderer that has already shown the console once.
TerminalRenderer Shown(const Console& c, int rows = 35, int cols = 90) {
  TerminalRenderer r;
  r.SetTerminalSize(rows, cols);
  Frame(r, c);
  return r;
}

TEST(TerminalRenderer, UnchangedFrameSendsNothing) {
  Console c;
  c.PutText(3, 3, 14, 1, "Hello");
  TerminalRenderer r = Shown(c);
  EXPECT_EQ(Frame(r, c), "");
}

TEST(TerminalRenderer, OneChangedCellSendsPositionColoursAndGlyph) {
  Console c;
  TerminalRenderer r = Shown(c);
  c.WriteChars(5, 10, "\x01");
  c.FillAttribute(5, 10, 1, console::Attribute(4, 1));  // red on blue
  // Jump to the cell, red (ANSI 1) on blue (ANSI 4), the smiley, and the cursor back.
  EXPECT_EQ(Frame(r, c), "\x1b[5;10H\x1b[31;44m\u263A\x1b[H");
}

TEST(TerminalRenderer, GlyphsAreCodePage437InUtf8) {
  Console c;
  TerminalRenderer r = Shown(c);
  c.SetCursorVisible(false);
  c.WriteChars(1, 1, std::string("\0\xB0\x7F\x82", 4));
  const std::string out = Frame(r, c);
  EXPECT_NE(out.find(" \u2591\u2302\u00E9"), std::string::npos) << out;
}

TEST(TerminalRenderer, WithoutUtf8BoxesUseTheLineDrawingSetAndTheRestPlainAscii) {
  Console c;
  TerminalRenderer r;
  r.SetGlyphs(TerminalGlyphs::OneByte(kXtermPairs, "\x1b(0", "\x1b(B"));
  r.SetTerminalSize(35, 90);
  Frame(r, c);
  c.SetCursorVisible(false);
  c.SetTitle("Tessella \x82");
  // A double box corner and line, a single crossing, a shade, an accented letter, an
  // arrow and a full block (xterm's set has no block: it becomes the shade).
  c.WriteChars(1, 1, "\xC9\xCD\xC5\xB1\x82\x1A\xDB");
  EXPECT_EQ(Frame(r, c), "\x1b]2;Tessella e\a\x1b(0lqna\x1b(Be>\x1b(0a\x1b[?25l");

  // Where the terminal has no line-drawing set at all, every glyph is ASCII.
  const TerminalGlyphs ascii = TerminalGlyphs::OneByte("", "", "");
  std::string text;
  for (const char ch : std::string_view("\xC9\xCD\xBA\xC4\xB3\xDB\x03\xFE\xE1")) {
    EXPECT_FALSE(ascii[static_cast<std::uint8_t>(ch)].line_drawing);
    text += ascii[static_cast<std::uint8_t>(ch)].bytes;
  }
  EXPECT_EQ(text, "+=|-|#*#B");
}

TEST(TerminalRenderer, TheLocaleSaysWhetherToSendUtf8) {
  using Env = std::map<std::string, std::string>;
  const std::pair<Env, bool> cases[] = {
      {{{"LANG", "en_US.UTF-8"}}, true},
      {{{"LANG", "de_DE.utf8@euro"}}, true},
      {{{"LC_CTYPE", "C.UTF-8"}, {"LANG", "C"}}, true},
      {{{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}, false},  // LC_ALL decides
      {{{"LC_ALL", ""}, {"LANG", "C.UTF-8"}}, true},        // an empty one does not
      {{{"LANG", "en_US.ISO-8859-1"}}, false},
      {{}, false},                                          // the C locale
  };
  for (const auto& each : cases) {
    const Env& env = each.first;
    const bool utf8 = each.second;
    const bool got = LocaleIsUtf8([&env](const char* name) -> const char* {
      const auto it = env.find(name);
      return it == env.end() ? nullptr : it->second.c_str();
    });
    EXPECT_EQ(got, utf8) << (env.empty() ? "no locale" : env.begin()->second);
  }
}

TEST(TerminalRenderer, ColoursMapBlueAndRedAndKeepSixteenBackgroundsApart) {
  // The PC's colour order (black, blue, green, cyan, red, magenta, brown, grey, then
  // the bright eight) in ANSI's, where red and blue, cyan and brown swap places.
  const int ansi[16] = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};
  for (int pc = 0; pc < 16; ++pc) EXPECT_EQ(AnsiColour(pc), ansi[pc]) << "colour " << pc;
  std::set<std::string> backgrounds;
  for (int bg = 0; bg < 16; ++bg) {
    std::string sgr;
    AppendSgrColours(sgr, console::Attribute(7, bg), -1);
    backgrounds.insert(sgr.substr(sgr.find(';') + 1));
    EXPECT_EQ(sgr.find("5;"), std::string::npos) << "no blink for " << bg;
  }
  EXPECT_EQ(backgrounds.size(), 16u);
  std::string bright;
  AppendSgrColours(bright, console::Attribute(9, 15), -1);
  EXPECT_EQ(bright, "94;107");
  // Only the part that changed is sent.
  std::string fg_only;
  AppendSgrColours(fg_only, console::Attribute(2, 1), console::Attribute(7, 1));
  EXPECT_EQ(fg_only, "32");
}

TEST(TerminalRenderer, ChangesOnOneLineShareTheCursorAndColour) {
  Console c;
  TerminalRenderer r = Shown(c);
  c.SetCursorVisible(false);
  c.WriteChars(2, 1, "A");
  c.WriteChars(2, 3, "B");   // one unchanged cell between: rewritten, no jump
  c.WriteChars(2, 20, "C");  // far: jump forward on the same line
  EXPECT_EQ(Frame(r, c), "\x1b[2HA B\x1b[16C" "C\x1b[?25l");
}

TEST(TerminalRenderer, CursorFollowsPositionVisibilityAndShape) {
  Console c;
  TerminalRenderer r = Shown(c);
  c.Locate(4, 7);
  EXPECT_EQ(Frame(r, c), "\x1b[4;7H");
  c.SetCursorVisible(false);
  EXPECT_EQ(Frame(r, c), "\x1b[?25l");
  c.SetCursorVisible(true);
  c.SetCursorSize(100);
  EXPECT_EQ(Frame(r, c), "\x1b[1 q\x1b[?25h");
}

TEST(TerminalRenderer, TitleIsSentOnceWhenItChanges) {
  Console c;
  TerminalRenderer r = Shown(c);
  c.SetTitle("Tessella \x82");
  EXPECT_EQ(Frame(r, c), "\x1b]2;Tessella \u00E9\a");
  EXPECT_EQ(Frame(r, c), "");
}

TEST(TerminalRenderer, SmallTerminalShowsWhatFitsAndTheSizeNeeded) {
  Console c;
  c.PutText(1, 1, 7, 0, "top-left");
  c.PutText(20, 1, 7, 0, "below the fold");
  TerminalRenderer r;
  r.SetTerminalSize(24, 80);
  const std::string out = Frame(r, c);
  EXPECT_NE(out.find("top-left"), std::string::npos);
  EXPECT_NE(out.find("below the fold"), std::string::npos);  // row 20 of 23 shown
  EXPECT_NE(out.find("needs 90x35"), std::string::npos);
  // Nothing is drawn past the terminal's last column.
  EXPECT_EQ(out.find(";81H"), std::string::npos);

  // However narrow the terminal, the size needed is read whole.
  for (const int cols : {60, 40, 20, 12, 5}) {
    r.SetTerminalSize(24, cols);
    EXPECT_NE(Frame(r, c).find("90x35"), std::string::npos) << cols << " columns";
  }

  // Once the terminal is large enough the notice gives way to the console.
  c.PutText(35, 1, 7, 0, "last console line");
  r.SetTerminalSize(35, 90);
  const std::string fits = Frame(r, c);
  EXPECT_NE(fits.find("last console line"), std::string::npos);
  EXPECT_EQ(fits.find("needs"), std::string::npos);
}

TEST(TerminalRenderer, LargeTerminalIsBlankedBeyondTheConsole) {
  Console c(2, 10);
  c.SetColor(15, 4);
  c.Clear();
  TerminalRenderer r;
  r.SetTerminalSize(3, 12);
  const std::string out = Frame(r, c);
  // The console's cells, then light grey on black blanks for the rest of each line and
  // the whole third line, which is erased rather than written.
  EXPECT_EQ(out,
            "\x1b[H\x1b[0;97;41m          \x1b[37;40m  "
            "\x1b[2H\x1b[97;41m          \x1b[37;40m  "
            "\x1b[3H\x1b[K"
            // The cursor: home, underline shape, shown.
            "\x1b[H\x1b[3 q\x1b[?25h");
}

TEST(TerminalRenderer, ARowEndingInBlanksIsErasedInTheBlanksColour) {
  Console c(3, 20);
  TerminalRenderer r = Shown(c, 3, 20);
  c.SetCursorVisible(false);
  c.PutText(2, 1, 14, 1, "Hi");                  // yellow on blue
  c.PutText(2, 3, 7, 4, std::string(18, ' '));   // then blanks on red to the row's end
  c.PutText(3, 19, 7, 4, "  ");                  // two blanks: cheaper written than erased
  EXPECT_EQ(Frame(r, c), "\x1b[2H\x1b[93;44mHi\x1b[37;41m\x1b[K\x1b[3;19H  \x1b[?25l");

  // A terminal whose erase gives its own background gets every blank written.
  Console d(3, 20);
  TerminalRenderer no_bce;
  no_bce.SetBackgroundErase(false);
  no_bce.SetTerminalSize(3, 20);
  Frame(no_bce, d);
  d.SetCursorVisible(false);
  d.PutText(2, 3, 7, 4, std::string(18, ' '));
  EXPECT_EQ(Frame(no_bce, d), "\x1b[2;3H\x1b[41m" + std::string(18, ' ') + "\x1b[?25l");
}

TEST(TerminalRenderer, ResizedTerminalIsPaintedAgain) {
  Console c(2, 10);
  TerminalRenderer r = Shown(c, 2, 10);
  r.SetTerminalSize(2, 10);
  const std::string out = Frame(r, c);
  EXPECT_NE(out.find("\x1b[0;37;40m"), std::string::npos);  // colours are not trusted
  EXPECT_NE(out.find("\x1b[?25h"), std::string::npos);
  EXPECT_EQ(Frame(r, c), "");
}

// Just enough of a terminal to replay what the renderer sends: cursor addressing,
// forward moves, the colour codes, UTF-8 text with auto-wrap off, erasing to the end of
// the line in the current background (the foreground of an erased cell is whatever
// the terminal likes, kAnyForeground), and xterm's switch into and out of the
// line-drawing set (a glyph drawn in it reads "acs:" + character).
class TerminalModel {
 public:
  static constexpr int kAnyForeground = -2;

  TerminalModel(int rows, int cols)
      : cols_(cols), glyphs_(rows * cols, "?"), fg_at_(rows * cols, -1), bg_at_(rows * cols, -1) {}

  void Apply(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
      if (bytes[i] == '\x1b' && i + 1 < bytes.size() && bytes[i + 1] == ']') {
        i = bytes.find('\a', i) + 1;  // a title
        continue;
      }
      if (bytes[i] == '\x1b' && i + 2 < bytes.size() && bytes[i + 1] == '(') {
        line_drawing_ = bytes[i + 2] == '0';
        i += 3;
        continue;
      }
      if (bytes[i] == '\x1b') {
        std::size_t end = i + 2;
        while (!(bytes[end] >= 0x40 && bytes[end] <= 0x7E)) ++end;
        Control(bytes.substr(i + 2, end - i - 2), bytes[end]);
        i = end + 1;
        continue;
      }
      std::size_t len = 1;
      const auto lead = static_cast<unsigned char>(bytes[i]);
      if (lead >= 0xF0) len = 4; else if (lead >= 0xE0) len = 3; else if (lead >= 0xC0) len = 2;
      const int at = row_ * cols_ + col_;
      glyphs_[at] = (line_drawing_ ? "acs:" : "") + std::string(bytes.substr(i, len));
      fg_at_[at] = fg_;
      bg_at_[at] = bg_;
      if (col_ + 1 < cols_) ++col_;
      i += len;
    }
  }
  const std::string& Glyph(int row, int col) const { return glyphs_[row * cols_ + col]; }
  int Foreground(int row, int col) const { return fg_at_[row * cols_ + col]; }
  int Background(int row, int col) const { return bg_at_[row * cols_ + col]; }
  int erases() const { return erases_; }

 private:
  void Control(std::string_view params, char final) {
    std::vector<int> p;
    std::size_t start = 0;
    while (start <= params.size()) {
      std::size_t end = params.find(';', start);
      if (end == std::string_view::npos) end = params.size();
      const std::string field(params.substr(start, end - start));
      p.push_back(field.empty() || field[0] == '?' ? 0 : std::stoi(field));
      start = end + 1;
    }
    if (final == 'H') {
      row_ = (p.size() > 0 && p[0] > 0 ? p[0] : 1) - 1;
      col_ = (p.size() > 1 && p[1] > 0 ? p[1] : 1) - 1;
    } else if (final == 'C') {
      col_ += p[0] > 0 ? p[0] : 1;
    } else if (final == 'K' && p[0] == 0) {
      ++erases_;
      for (int c = col_; c < cols_; ++c) {
        glyphs_[row_ * cols_ + c] = " ";
        fg_at_[row_ * cols_ + c] = kAnyForeground;
        bg_at_[row_ * cols_ + c] = bg_;
      }
    } else if (final == 'm') {
      for (const int n : p) {
        if (n == 0) fg_ = bg_ = -1;
        if (n >= 30 && n <= 37) fg_ = n - 30;
        if (n >= 90 && n <= 97) fg_ = n - 90 + 8;
        if (n >= 40 && n <= 47) bg_ = n - 40;
        if (n >= 100 && n <= 107) bg_ = n - 100 + 8;
      }
    }
  }

  int cols_;
  std::vector<std::string> glyphs_;
  std::vector<int> fg_at_;  // ANSI colours
  std::vector<int> bg_at_;
  int erases_ = 0;
  int row_ = 0;
  int col_ = 0;
  int fg_ = -1;
  int bg_ = -1;
  bool line_drawing_ = false;
};

TEST(TerminalRenderer, TerminalShowsTheConsoleAfterAnySeriesOfChanges) {
  for (const bool utf8 : {true, false}) {
  for (const bool background_erase : {true, false}) {
  const TerminalGlyphs glyphs =
      utf8 ? TerminalGlyphs::Utf8() : TerminalGlyphs::OneByte(kXtermPairs, "\x1b(0", "\x1b(B");
  const std::string what = std::string(utf8 ? "" : " (one byte)") +
                           (background_erase ? "" : " (no background erase)");
  std::mt19937 rng(99);
  Console c(12, 30);
  TerminalRenderer r;
  r.SetGlyphs(glyphs);
  r.SetBackgroundErase(background_erase);
  r.SetTerminalSize(12, 30);
  TerminalModel term(12, 30);
  for (int frame = 0; frame < 300; ++frame) {
    // A few runs of random bytes in random colours, some of them on one line.
    const int edits = 1 + static_cast<int>(rng() % 6);
    for (int e = 0; e < edits; ++e) {
      std::string run(1 + rng() % 8, ' ');
      for (char& ch : run) ch = static_cast<char>(rng() % 256);
      const int row = 1 + static_cast<int>(rng() % 12);
      const int col = 1 + static_cast<int>(rng() % 30);
      // Some runs are blanks (spaces, and the NUL and 255 that may look like them) to
      // the row's end, or the row's end turned into another colour.
      const auto kind = rng() % 5;
      if (kind == 0) run.assign(static_cast<std::size_t>(31 - col), " \0\xFF"[rng() % 3]);
      c.WriteChars(row, col, run);
      // Mostly one colour, so unchanged cells between changes may be rewritten.
      const int attr = rng() % 4 == 0 ? static_cast<int>(rng() % 256) : 0x07;
      c.FillAttribute(row, col, kind == 1 ? 31 - col : static_cast<int>(run.size()), attr);
    }
    c.Locate(1 + static_cast<int>(rng() % 12), 1 + static_cast<int>(rng() % 30));
    term.Apply(Frame(r, c));
    for (int row = 1; row <= 12; ++row) {
      for (int col = 1; col <= 30; ++col) {
        const console::Cell cell = c.AtDisplayed(row, col);
        const TerminalGlyph& glyph = glyphs[cell.ch];
        ASSERT_EQ(term.Glyph(row - 1, col - 1), (glyph.line_drawing ? "acs:" : "") + glyph.bytes)
            << "frame " << frame << " at " << row << "," << col << what;
        ASSERT_EQ(term.Background(row - 1, col - 1), AnsiColour(cell.attr >> 4))
            << "frame " << frame << " at " << row << "," << col << what;
        if (term.Foreground(row - 1, col - 1) != TerminalModel::kAnyForeground) {
          ASSERT_EQ(term.Foreground(row - 1, col - 1), AnsiColour(cell.attr & 15))
              << "frame " << frame << " at " << row << "," << col << what;
        }
      }
    }
  }
  // The erase was tried, and only where the terminal's erase fills with the colour.
  EXPECT_EQ(term.erases() > 20, background_erase) << term.erases() << what;
  }
  }
}

}  // namespace
}  // namespace tessella::platform
