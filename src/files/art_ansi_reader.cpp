// Reading ANSI art: a small ANSI.SYS that draws into a grid which grows downward.
#include <algorithm>
#include <array>
#include <cstdint>

#include "files/art_ansi.h"
#include "files/art_ansi_colours.h"

namespace tessella::files {
namespace {

constexpr char kEsc = '\x1B';
constexpr std::uint8_t kBlankAttr = 0x07;
constexpr std::size_t kMaxParams = 16;
constexpr int kMaxParamValue = 99'999;
constexpr int kTabStop = 8;

// The picture being drawn. Rows come into being as the cursor reaches them; only
// written rows count towards the height.
class Canvas {
 public:
  explicit Canvas(int width) : width_(static_cast<std::size_t>(width)) {
    for (std::size_t c = 0; c < width_; ++c) {
      blank_row_ += ' ';
      blank_row_ += static_cast<char>(kBlankAttr);
    }
  }

  int rows() const { return rows_; }

  void Set(int row, int col, std::uint8_t ch, std::uint8_t attr) {
    Reach(row);
    const std::size_t at = Offset(row, col);
    pairs_[at] = static_cast<char>(ch);
    pairs_[at + 1] = static_cast<char>(attr);
    used_ = std::max(used_, row + 1);
  }

  // Blanks columns c1..c2 of a row in the given colours.
  void Erase(int row, int c1, int c2, std::uint8_t attr) {
    Reach(row);
    for (int c = c1; c <= c2; ++c) {
      const std::size_t at = Offset(row, c);
      pairs_[at] = ' ';
      pairs_[at + 1] = static_cast<char>(attr);
    }
  }

  void Clear() {
    pairs_.clear();
    rows_ = used_ = 0;
  }

  console::ScreenImage Image() const {
    if (used_ == 0) return console::ScreenImage(static_cast<int>(width_), 1);
    return console::ScreenImage::FromPairs(
        std::string_view(pairs_).substr(0, static_cast<std::size_t>(used_) * blank_row_.size()),
        static_cast<int>(width_));
  }

 private:
  void Reach(int row) {
    while (rows_ <= row) {
      pairs_ += blank_row_;
      ++rows_;
    }
  }
  std::size_t Offset(int row, int col) const {
    return (static_cast<std::size_t>(row) * width_ + static_cast<std::size_t>(col)) * 2;
  }

  std::size_t width_;
  std::string blank_row_;
  std::string pairs_;
  int rows_ = 0;
  int used_ = 0;
};

// The graphic rendition: colours as PC colour numbers.
struct Pen {
  std::uint8_t fg = 7;  // 0-15; 8-15 only from the bright codes 90-97
  std::uint8_t bg = 0;
  bool bold = false;
  bool blink = false;
  bool reverse = false;

  std::uint8_t Attr() const {
    int f = fg | (bold ? 8 : 0);
    int b = bg | (blink ? 8 : 0);
    if (reverse) {
      const int rf = (b & 7) | (f & 8);
      b = (f & 7) | (b & 8);
      f = rf;
    }
    return static_cast<std::uint8_t>(f | b << 4);
  }

  // 38;5;n and 48;5;n: the first 16 of the 256 colours are the PC's (ANSI order).
  static bool Indexed(int n, std::uint8_t& colour) {
    if (n < 0 || n > 15) return false;
    colour = static_cast<std::uint8_t>(kAnsiPcColour[n & 7] | (n & 8));
    return true;
  }

  void Apply(const std::array<int, kMaxParams>& p, std::size_t count) {
    if (count == 0) {
      *this = Pen{};
      return;
    }
    for (std::size_t i = 0; i < count; ++i) {
      const int v = std::max(p[i], 0);
      if (v == 0) *this = Pen{};
      else if (v == 1) bold = true;
      else if (v == 5 || v == 6) blink = true;
      else if (v == 7) reverse = true;
      else if (v == 22) bold = false;
      else if (v == 25) blink = false;
      else if (v == 27) reverse = false;
      else if (v >= 30 && v <= 37) fg = kAnsiPcColour[v - 30];
      else if (v == 39) fg = 7;
      else if (v >= 40 && v <= 47) bg = kAnsiPcColour[v - 40];
      else if (v == 49) bg = 0;
      else if (v >= 90 && v <= 97) fg = static_cast<std::uint8_t>(kAnsiPcColour[v - 90] | 8);
      else if (v >= 100 && v <= 107) bg = static_cast<std::uint8_t>(kAnsiPcColour[v - 100] | 8);
      else if ((v == 38 || v == 48) && i + 1 < count) {
        std::uint8_t& target = v == 38 ? fg : bg;
        if (p[i + 1] == 5 && i + 2 < count) {
          Indexed(p[i + 2], target);
          i += 2;
        } else if (p[i + 1] == 2) {
          i = std::min(i + 4, count - 1);  // 24-bit colours have no PC colour: skipped
        }
      }
    }
  }
};

class AnsiReader {
 public:
  AnsiReader(int width, int max_rows) : width_(width), max_rows_(max_rows), canvas_(width) {}

  void Run(std::string_view data) {
    std::size_t i = 0;
    while (i < data.size()) {
      const char b = data[i++];
      switch (b) {
        case kEndOfFile: return;
        case '\n': row_ = std::min(row_ + 1, max_rows_); col_ = 0; break;
        case '\r': col_ = 0; break;
        case '\t': col_ = std::min(width_ - 1, (col_ / kTabStop + 1) * kTabStop); break;
        case kEsc:
          if (i < data.size() && data[i] == '[') i = Sequence(data, i + 1);
          break;
        default: Print(static_cast<std::uint8_t>(b));
      }
    }
  }

  ArtDocument Document() && {
    ArtDocument doc;
    doc.cells = canvas_.Image();
    doc.clipped = clipped_;
    return doc;
  }

  void Clip() { clipped_ = true; }

 private:
  void Print(std::uint8_t ch) {
    if (row_ >= max_rows_) {
      clipped_ = true;
      return;
    }
    canvas_.Set(row_, col_, ch, pen_.Attr());
    if (++col_ == width_) {  // the cursor wraps at once, as on the PC
      col_ = 0;
      row_ = std::min(row_ + 1, max_rows_);
    }
  }

  // A control sequence after ESC [: parameters, intermediates, a final byte. Returns
  // where reading goes on; a sequence broken by any other byte is dropped there.
  std::size_t Sequence(std::string_view data, std::size_t i) {
    std::array<int, kMaxParams> p{};
    std::size_t count = 0;
    int value = -1;
    bool plain = true;  // no private marker or intermediate: a sequence we may act on
    if (i < data.size() && data[i] >= '<' && data[i] <= '?') {
      plain = false;
      ++i;
    }
    for (; i < data.size(); ++i) {
      const auto b = static_cast<unsigned char>(data[i]);
      if (b >= '0' && b <= '9') {
        value = std::min(std::max(value, 0) * 10 + (b - '0'), kMaxParamValue);
      } else if (b == ';' || b == ':') {
        if (count < kMaxParams) p[count++] = value;
        value = -1;
      } else if (b >= 0x20 && b <= 0x3F) {
        plain = false;
      } else if (b >= 0x40 && b <= 0x7E) {
        if (count < kMaxParams && (value >= 0 || count > 0)) p[count++] = value;
        if (plain) Execute(static_cast<char>(b), p, count);
        return i + 1;
      } else {
        return i;
      }
    }
    return i;
  }

  static int Count(const std::array<int, kMaxParams>& p, std::size_t count, std::size_t k) {
    return k < count && p[k] > 0 ? p[k] : 1;
  }

  void Execute(char final, const std::array<int, kMaxParams>& p, std::size_t count) {
    const int n = Count(p, count, 0);
    const int mode = count > 0 ? std::max(p[0], 0) : 0;
    switch (final) {
      case 'A': row_ = std::max(row_ - n, 0); break;
      case 'B': row_ = std::min(row_ + n, max_rows_); break;
      case 'C': col_ = std::min(col_ + n, width_ - 1); break;
      case 'D': col_ = std::max(col_ - n, 0); break;
      case 'E': row_ = std::min(row_ + n, max_rows_); col_ = 0; break;
      case 'F': row_ = std::max(row_ - n, 0); col_ = 0; break;
      case 'G': col_ = std::min(n, width_) - 1; break;
      case 'd': row_ = std::min(n - 1, max_rows_); break;
      case 'H':
      case 'f':
        row_ = std::min(n - 1, max_rows_);
        col_ = std::min(Count(p, count, 1), width_) - 1;
        break;
      case 's': saved_row_ = row_; saved_col_ = col_; break;
      case 'u': row_ = saved_row_; col_ = saved_col_; break;
      case 'J': EraseDisplay(mode); break;
      case 'K': EraseLine(mode); break;
      case 'm': pen_.Apply(p, count); break;
      default: break;
    }
  }

  void EraseLine(int mode) {
    if (row_ >= max_rows_) return;
    const std::uint8_t attr = pen_.Attr();
    if (mode == 0) canvas_.Erase(row_, col_, width_ - 1, attr);
    else if (mode == 1) canvas_.Erase(row_, 0, col_, attr);
    else if (mode == 2) canvas_.Erase(row_, 0, width_ - 1, attr);
  }

  // ED 2 starts a new picture, as the scene's viewers take it (art files begin with it);
  // ED 0 and 1 blank the rows drawn so far below or above the cursor.
  void EraseDisplay(int mode) {
    const std::uint8_t attr = pen_.Attr();
    if (mode == 0) {
      EraseLine(0);
      for (int r = row_ + 1; r < canvas_.rows(); ++r) canvas_.Erase(r, 0, width_ - 1, attr);
    } else if (mode == 1) {
      for (int r = 0; r < std::min(row_, canvas_.rows()); ++r) canvas_.Erase(r, 0, width_ - 1, attr);
      EraseLine(1);
    } else if (mode == 2 || mode == 3) {
      canvas_.Clear();
      row_ = col_ = 0;
    }
  }

  const int width_;
  const int max_rows_;  // a cursor on this row is beyond the caps: what it prints is dropped
  Canvas canvas_;
  Pen pen_;
  int row_ = 0;
  int col_ = 0;
  int saved_row_ = 0;
  int saved_col_ = 0;
  bool clipped_ = false;
};

int SauceWidth(const std::optional<Sauce>& sauce) {
  if (!sauce || sauce->data_type != kSauceCharacter || sauce->file_type > 2) return 0;
  return sauce->tinfo1;
}

}  // namespace

ArtDocument ReadAnsi(std::string_view file, int width) {
  SauceSplit split = SplitSauce(file);
  int w = width > 0 ? width : SauceWidth(split.sauce);
  if (w <= 0) w = kAnsiDefaultWidth;
  const bool too_wide = w > kMaxArtColumns;
  w = std::min(w, kMaxArtColumns);

  AnsiReader reader(w, MaxArtRows(w));
  reader.Run(split.data);
  if (too_wide) reader.Clip();
  ArtDocument doc = std::move(reader).Document();
  if (split.sauce) doc.ice_colours = split.sauce->ice_colours();
  doc.sauce = std::move(split.sauce);
  return doc;
}

}  // namespace tessella::files
