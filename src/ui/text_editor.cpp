#include "ui/text_editor.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "console/input.h"
#include "console/keys.h"
#include "console/rect.h"
#include "console/screen_image.h"

namespace tessella::ui {
namespace {

// How the box looks: everything that does not depend on the text or the console.
struct Look {
  std::uint8_t frame = console::Attribute(15, 1);         // bright white on blue
  std::uint8_t text = console::Attribute(0, 15);          // black on bright white
  std::uint8_t button = console::Attribute(0, 7);         // black on light grey
  std::uint8_t button_focused = console::Attribute(15, 2);  // bright white on green
  std::string_view button_label = "   Ok   ";
  int margin = 1;        // blanks between the frame and the text, left and right
  int rows_below = 3;    // a blank row, the button row and the bottom edge
};
constexpr Look kLook;
constexpr int kCornerTL = 0xC9, kCornerTR = 0xBB, kCornerBL = 0xC8, kCornerBR = 0xBC;  // ╔╗╚╝
constexpr int kAcross = 0xCD, kDown = 0xBA;                                           // ═║
constexpr std::string_view kLineBreak = "\r\n";

// The text as lines, with the caret at a line and a place in it. Long lines are shown
// in rows of `width` cells; a line takes length / width + 1 rows, so the caret after
// the last character always has a cell to stand in.
class Lines {
 public:
  Lines(std::string_view text, std::size_t max_chars, int width)
      : max_(max_chars), width_(static_cast<std::size_t>(std::max(1, width))) {
    text = text.substr(0, std::min(text.size(), max_chars));
    for (;;) {
      const std::size_t brk = text.find(kLineBreak);
      lines_.emplace_back(text.substr(0, brk));
      if (brk == std::string_view::npos) break;
      text.remove_prefix(brk + kLineBreak.size());
    }
    line_ = lines_.size() - 1;
    col_ = lines_.back().size();
  }

  std::string Joined() const {
    std::string s;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (i > 0) s += kLineBreak;
      s += lines_[i];
    }
    return s;
  }

  // False when the text has no room for it.
  bool Insert(char ch) {
    if (Size() + 1 > max_) return false;
    lines_[line_].insert(col_++, 1, ch);
    return true;
  }
  bool Break() {
    if (Size() + kLineBreak.size() > max_) return false;
    std::string tail = lines_[line_].substr(col_);
    lines_[line_].resize(col_);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(line_) + 1, std::move(tail));
    ++line_;
    col_ = 0;
    return true;
  }
  void Backspace() {
    if (col_ == 0 && line_ == 0) return;
    Left();
    Delete();
  }
  void Delete() {
    std::string& line = lines_[line_];
    if (col_ < line.size()) {
      line.erase(col_, 1);
    } else if (line_ + 1 < lines_.size()) {
      line += lines_[line_ + 1];
      lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line_) + 1);
    }
  }
  void Left() {
    if (col_ > 0) {
      --col_;
    } else if (line_ > 0) {
      col_ = lines_[--line_].size();
    }
  }
  void Right() {
    if (col_ < lines_[line_].size()) {
      ++col_;
    } else if (line_ + 1 < lines_.size()) {
      ++line_;
      col_ = 0;
    }
  }
  void Home() { col_ = 0; }
  void End() { col_ = lines_[line_].size(); }
  // One shown row up or down, keeping the caret's column where the row has it.
  void Vertical(int step) {
    const long target = static_cast<long>(CaretRow()) + step;
    if (target >= 0 && target < static_cast<long>(RowCount()))
      MoveTo(static_cast<std::size_t>(target), CaretCol());
  }
  // The caret to a shown row and column, as near as the text allows.
  void MoveTo(std::size_t row, std::size_t col) {
    std::size_t first = 0;
    for (line_ = 0; line_ + 1 < lines_.size() && first + RowsOf(line_) <= row; ++line_)
      first += RowsOf(line_);
    const std::size_t segment = std::min(row - first, RowsOf(line_) - 1);
    col_ = std::min(segment * width_ + col, lines_[line_].size());
  }

  std::size_t RowCount() const {
    std::size_t n = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) n += RowsOf(i);
    return n;
  }
  std::size_t CaretRow() const {
    std::size_t row = 0;
    for (std::size_t i = 0; i < line_; ++i) row += RowsOf(i);
    return row + col_ / width_;
  }
  std::size_t CaretCol() const { return col_ % width_; }
  // The characters shown in row `row`, top row 0.
  std::string_view Row(std::size_t row) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (row < RowsOf(i)) {
        const std::string_view line = lines_[i];
        return line.substr(std::min(line.size(), row * width_), width_);
      }
      row -= RowsOf(i);
    }
    return {};
  }

 private:
  std::size_t RowsOf(std::size_t i) const { return lines_[i].size() / width_ + 1; }
  std::size_t Size() const {
    std::size_t n = (lines_.size() - 1) * kLineBreak.size();
    for (const auto& l : lines_) n += l.size();
    return n;
  }

  std::size_t max_;
  std::size_t width_;
  std::vector<std::string> lines_;
  std::size_t line_ = 0;
  std::size_t col_ = 0;
};

// Where the parts of the box stand on the console.
struct Layout {
  console::Rect box;
  console::Rect text;
  console::Rect button;
};

Layout LayOut(const console::Console& con, std::string_view title, TextAreaSize size) {
  const int sides = 2 + 2 * kLook.margin;
  // Room for the title and a blank after it in the top edge.
  const int wanted_cols = std::max(size.cols, static_cast<int>(title.size()) + 1);
  const int cols = std::clamp(wanted_cols, 1, std::max(1, con.cols() - sides));
  const int lines = std::clamp(size.lines, 1, std::max(1, con.rows() - 1 - kLook.rows_below));
  const int width = cols + sides;
  const int height = lines + 1 + kLook.rows_below;
  const int top = std::max(1, (con.rows() - height) / 2 + 1);
  const int left = std::max(1, (con.cols() - width) / 2 + 1);
  Layout l;
  l.box = console::Rect{top, left, top + height - 1, left + width - 1};
  l.text = console::Rect{top + 1, left + 1 + kLook.margin, top + lines, left + kLook.margin + cols};
  const int button_row = l.box.bottom - 1;
  l.button = console::Rect{button_row, l.text.left, button_row,
                           l.text.left + static_cast<int>(kLook.button_label.size()) - 1};
  return l;
}

console::ScreenImage BoxImage(const Layout& l, std::string_view title, const Lines& lines,
                              std::size_t first_row, bool button_focused) {
  const int w = l.box.width();
  const int h = l.box.height();
  console::ScreenImage img(w, h, ' ', kLook.frame);
  for (int c = 2; c < w; ++c) {
    img.Set(1, c, kAcross, kLook.frame);
    img.Set(h, c, kAcross, kLook.frame);
  }
  for (int r = 2; r < h; ++r) {
    img.Set(r, 1, kDown, kLook.frame);
    img.Set(r, w, kDown, kLook.frame);
  }
  img.Set(1, 1, kCornerTL, kLook.frame);
  img.Set(1, w, kCornerTR, kLook.frame);
  img.Set(h, 1, kCornerBL, kLook.frame);
  img.Set(h, w, kCornerBR, kLook.frame);
  // The title and a blank stand in the top edge, cut to what the edge has room for.
  const std::string edge_title = std::string(title) + ' ';
  const auto room = static_cast<std::size_t>(std::max(0, w - 4));
  for (std::size_t i = 0; i < std::min(edge_title.size(), room); ++i)
    img.Set(1, 3 + static_cast<int>(i), static_cast<std::uint8_t>(edge_title[i]), kLook.frame);

  const int text_col = l.text.left - l.box.left + 1;
  for (int r = 0; r < l.text.height(); ++r) {
    const std::string_view row = lines.Row(first_row + static_cast<std::size_t>(r));
    for (int c = 0; c < l.text.width(); ++c) {
      const auto at = static_cast<std::size_t>(c);
      const std::uint8_t ch = at < row.size() ? static_cast<std::uint8_t>(row[at]) : std::uint8_t{' '};
      img.Set(2 + r, text_col + c, ch, kLook.text);
    }
  }
  const std::uint8_t button_attr = button_focused ? kLook.button_focused : kLook.button;
  const int button_row = l.button.top - l.box.top + 1;
  for (std::size_t i = 0; i < kLook.button_label.size(); ++i) {
    const int c = text_col + static_cast<int>(i);
    if (c < w) img.Set(button_row, c, static_cast<std::uint8_t>(kLook.button_label[i]), button_attr);
  }
  return img;
}

bool IsKey(const console::Event& ev, int keynumber) { return !ev.lft && !ev.rgt && ev.keynumber == keynumber; }

}  // namespace

std::string EditText(const Modal& ui, std::string_view title, std::string_view text,
                     TextAreaSize size, std::size_t max_chars) {
  auto& con = ui.console;
  const console::RecordImage under = con.Snapshot();
  const bool cursor_was_visible = con.cursor_visible();
  const Layout layout = LayOut(con, title, size);
  Lines lines(text, max_chars, layout.text.width());
  std::size_t first_row = 0;
  bool on_button = false;

  for (;;) {
    // The rows shown follow the caret.
    const std::size_t caret_row = lines.CaretRow();
    const auto shown = static_cast<std::size_t>(layout.text.height());
    if (caret_row < first_row) first_row = caret_row;
    if (caret_row >= first_row + shown) first_row = caret_row - shown + 1;
    con.PutImage(layout.box.top, layout.box.left, BoxImage(layout, title, lines, first_row, on_button));
    con.SetCursorVisible(!on_button);
    con.Locate(layout.text.top + static_cast<int>(caret_row - first_row),
               layout.text.left + static_cast<int>(lines.CaretCol()));

    const console::Event ev = console::GetKey(ui.input);
    if (ev.lft || ev.rgt) {
      if (ev.lft && layout.button.Contains(ev.row, ev.col)) break;
      if (ev.lft && layout.text.Contains(ev.row, ev.col)) {
        on_button = false;
        lines.MoveTo(first_row + static_cast<std::size_t>(ev.row - layout.text.top),
                     static_cast<std::size_t>(ev.col - layout.text.left));
      }
      continue;
    }
    if (ev.keynumber == keys::kAltO) break;
    if (ev.keynumber == keys::kTab) {
      on_button = !on_button;
      continue;
    }
    if (on_button) {
      if (IsKey(ev, keys::kEnter) || IsKey(ev, keys::kSpace)) break;
      continue;
    }
    bool fits = true;
    switch (ev.keynumber) {
      case keys::kEnter: fits = lines.Break(); break;
      case keys::kBackspace: lines.Backspace(); break;
      case keys::kDel: lines.Delete(); break;
      case keys::kLeft: lines.Left(); break;
      case keys::kRight: lines.Right(); break;
      case keys::kUp: lines.Vertical(-1); break;
      case keys::kDown: lines.Vertical(1); break;
      case keys::kHome: lines.Home(); break;
      case keys::kEnd: lines.End(); break;
      default:
        // Printable characters are typed; Esc and other control keys do nothing.
        if (ev.key.size() == 1 && static_cast<unsigned char>(ev.key[0]) >= 32)
          fits = lines.Insert(ev.key[0]);
        break;
    }
    if (!fits) ui.Beep();
  }
  con.Restore(under);
  con.SetCursorVisible(cursor_was_visible);
  return lines.Joined();
}

}  // namespace tessella::ui
