// Writing ANSI art that reads back to the same cells, here and in the scene's viewers.
#include <algorithm>
#include <cstdint>
#include <string>

#include "files/art_ansi.h"
#include "files/art_ansi_colours.h"

namespace tessella::files {
namespace {

constexpr std::uint8_t kBlankAttr = 0x07;
// Blank runs up to this long are written as blanks when the colours already fit.
constexpr int kLongestBlankRun = 3;

bool Unwritable(std::uint8_t ch) {
  return ch == '\t' || ch == '\n' || ch == '\r' || ch == 0x1A || ch == 0x1B;
}

bool DefaultBlank(const console::ScreenImage& cells, int r, int c) {
  return cells.ch(r, c) == ' ' && cells.attr(r, c) == kBlankAttr;
}

class AnsiWriter {
 public:
  std::string Write(const console::ScreenImage& cells) {
    out_ = "\x1B[0m";
    const int width = cells.width();
    for (int r = 1; r <= cells.height(); ++r) {
      int last = width;
      while (last > 0 && DefaultBlank(cells, r, last)) --last;
      // The last row keeps at least one cell so that the picture keeps its height.
      if (r == cells.height()) last = std::max(last, 1);
      for (int c = 1; c <= last;) {
        if (DefaultBlank(cells, r, c)) {
          int run = 1;
          while (c + run <= last && DefaultBlank(cells, r, c + run)) ++run;
          // Skipped only inside the row: the row's last cell is always drawn.
          if (c + run <= last && (attr_ != kBlankAttr || run > kLongestBlankRun)) {
            out_ += "\x1B[";
            if (run > 1) out_ += std::to_string(run);
            out_ += 'C';
            c += run;
            continue;
          }
        }
        Cell(cells.ch(r, c), cells.attr(r, c));
        ++c;
      }
      // A full row has already wrapped the cursor to the next one.
      if (last < width && r < cells.height()) out_ += "\r\n";
    }
    if (attr_ != kBlankAttr) out_ += "\x1B[0m";
    return std::move(out_);
  }

 private:
  void Cell(std::uint8_t ch, std::uint8_t attr) {
    if (attr != attr_) Colours(attr);
    out_ += static_cast<char>(Unwritable(ch) ? ' ' : ch);
  }

  // The shortest change of rendition: bold and blink can only be turned off by a reset.
  // Bold and blink are only ever turned on once after a reset, since some viewers
  // brighten the colour again on every repeat.
  void Colours(std::uint8_t attr) {
    const int fg = attr & 15, bg = attr >> 4;
    int old_fg = attr_ & 15, old_bg = attr_ >> 4;
    std::string params;
    const auto add = [&params](int v) {
      if (!params.empty()) params += ';';
      params += std::to_string(v);
    };
    if ((old_fg >= 8 && fg < 8) || (old_bg >= 8 && bg < 8)) {
      add(0);
      old_fg = 7;
      old_bg = 0;
    }
    if (fg >= 8 && old_fg < 8) add(1);
    if (bg >= 8 && old_bg < 8) add(5);
    if ((fg & 7) != (old_fg & 7)) add(30 + kAnsiPcColour[fg & 7]);
    if ((bg & 7) != (old_bg & 7)) add(40 + kAnsiPcColour[bg & 7]);
    out_ += "\x1B[" + params + 'm';
    attr_ = attr;
  }

  std::string out_;
  std::uint8_t attr_ = kBlankAttr;
};

}  // namespace

std::string WriteAnsi(const ArtDocument& doc) {
  std::string data = AnsiWriter().Write(doc.cells);
  const Sauce sauce = SauceForWriting(doc, kSauceCharacter, kSauceAnsi, data.size());
  return data + EncodeSauce(sauce);
}

int AnsiUnwritableCells(const console::ScreenImage& cells) {
  int n = 0;
  for (int r = 1; r <= cells.height(); ++r) {
    for (int c = 1; c <= cells.width(); ++c) n += Unwritable(cells.ch(r, c)) ? 1 : 0;
  }
  return n;
}

}  // namespace tessella::files
