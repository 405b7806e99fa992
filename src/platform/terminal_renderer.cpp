#include "platform/terminal_renderer.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/terminal_sgr.h"

namespace tessella::platform {
namespace {

using console::Cell;

// Cells never hold these pad bytes, so a shadow cell marked this way differs from
// every cell and is painted on the next frame.
constexpr Cell kUnknown{0, 0xFF, 0xFF, 0xFF};
constexpr std::uint8_t kBlankAttr = 0x07;   // light grey on black, beyond the console
constexpr std::uint8_t kNoticeAttr = 0x4F;  // bright white on red

// Skipped cells cheaper to rewrite than to jump over: a forward jump costs at least
// four bytes, a glyph one to three.
constexpr int kMaxRewrite = 3;

// Erase to the end of the line ("ESC [ K", three bytes) once this many blanks of a row's
// end have changed; fewer cost no more when written.
constexpr int kMinErase = 3;

void AppendNumber(std::string& out, int n) { out += std::to_string(n); }

// The longest wording of the size notice that fits the terminal's width.
std::string SizeNotice(int term_rows, int term_cols, int rows, int cols) {
  const std::string have = std::to_string(term_cols) + "x" + std::to_string(term_rows);
  const std::string need = std::to_string(cols) + "x" + std::to_string(rows);
  const std::string wordings[] = {
      " Terminal " + have + " is too small: Tessella needs " + need + " (columns x rows) ",
      " Terminal " + have + " is too small: Tessella needs " + need + " ",
      " Tessella needs " + need + " ",
      " Needs " + need + " ",
  };
  for (const std::string& notice : wordings) {
    if (static_cast<int>(notice.size()) <= term_cols) return notice;
  }
  return need;
}

}  // namespace

TerminalFrame TerminalFrame::Of(const console::Console& console) {
  TerminalFrame f;
  f.cells = console.DisplayedCells();
  f.rows = console.rows();
  f.cols = console.cols();
  f.cursor_row = console.cursor_row();
  f.cursor_col = console.cursor_col();
  f.cursor_visible = console.cursor_visible();
  f.cursor_size = console.cursor_size();
  f.title = console.title();
  return f;
}

void TerminalRenderer::SetTerminalSize(int rows, int cols) {
  term_rows_ = std::max(rows, 0);
  term_cols_ = std::max(cols, 0);
  wanted_.assign(static_cast<std::size_t>(term_rows_) * term_cols_, Cell{});
  Invalidate();
}

void TerminalRenderer::SetGlyphs(TerminalGlyphs glyphs) {
  glyphs_ = std::move(glyphs);
  Invalidate();
}

void TerminalRenderer::Invalidate() {
  shadow_.assign(static_cast<std::size_t>(term_rows_) * term_cols_, kUnknown);
  line_drawing_ = false;
  at_row_ = at_col_ = -1;
  attr_ = -1;
  cursor_on_ = -1;
  cursor_shape_ = -1;
}

void TerminalRenderer::Compose(const TerminalFrame& frame) {
  const bool fits = frame.rows <= term_rows_ && frame.cols <= term_cols_;
  shown_rows_ = fits ? term_rows_ : std::max(term_rows_ - 1, 0);
  const int console_rows = std::min(frame.rows, shown_rows_);
  const int console_cols = std::min(frame.cols, term_cols_);
  const bool whole_page =
      frame.cells.size() >= static_cast<std::size_t>(frame.rows) * std::max(frame.cols, 0);
  for (int r = 0; r < term_rows_; ++r) {
    Cell* line = &wanted_[static_cast<std::size_t>(r) * term_cols_];
    for (int c = 0; c < term_cols_; ++c) {
      Cell cell{' ', 0, kBlankAttr, 0};
      if (whole_page && r < console_rows && c < console_cols) {
        const Cell& src = frame.cells[static_cast<std::size_t>(r) * frame.cols + c];
        cell = Cell{src.ch, 0, src.attr, 0};
      }
      line[c] = cell;
    }
  }
  if (fits || term_rows_ == 0) return;
  // The console does not fit: the last line says what size it needs.
  const std::string notice = SizeNotice(term_rows_, term_cols_, frame.rows, frame.cols);
  Cell* line = &wanted_[static_cast<std::size_t>(term_rows_ - 1) * term_cols_];
  for (int c = 0; c < term_cols_; ++c) {
    const std::uint8_t ch =
        c < static_cast<int>(notice.size()) ? static_cast<std::uint8_t>(notice[c]) : ' ';
    line[c] = Cell{ch, 0, kNoticeAttr, 0};
  }
}

void TerminalRenderer::Render(const TerminalFrame& frame, std::string& out) {
  if (term_rows_ <= 0 || term_cols_ <= 0) return;
  if (title_ != frame.title) {
    title_ = std::string(frame.title);
    out += "\x1b]2;";
    out += glyphs_.Text(frame.title);
    out += '\a';
  }
  Compose(frame);
  for (int r = 0; r < term_rows_; ++r) {
    const std::size_t base = static_cast<std::size_t>(r) * term_cols_;
    const int erase_from = EraseFrom(r);
    for (int c = 0; c < term_cols_; ++c) {
      if (wanted_[base + c] == shadow_[base + c]) continue;
      if (c >= erase_from) {
        EraseToEnd(r, c, out);
        break;
      }
      MoveTo(r, c, out);
      PutCell(r, c, out);
    }
  }
  RenderCursor(frame, shown_rows_, out);
}

int TerminalRenderer::EraseFrom(int row) const {
  if (!background_erase_ || term_cols_ == 0) return term_cols_;
  const std::size_t base = static_cast<std::size_t>(row) * term_cols_;
  // An erased cell shows a space in the background colour, so only cells whose glyph
  // is a plain space (not one from the line-drawing set) may be erased.
  const auto blank = [&](const Cell& cell, std::uint8_t attr) {
    const TerminalGlyph& glyph = glyphs_[cell.ch];
    return cell.attr == attr && glyph.bytes == " " && !glyph.line_drawing;
  };
  const std::uint8_t attr = wanted_[base + term_cols_ - 1].attr;
  int start = term_cols_;
  while (start > 0 && blank(wanted_[base + start - 1], attr)) --start;
  int changed = 0;
  for (int c = start; c < term_cols_; ++c) {
    if (wanted_[base + c] != shadow_[base + c]) ++changed;
  }
  return changed >= kMinErase ? start : term_cols_;
}

void TerminalRenderer::EraseToEnd(int row, int col, std::string& out) {
  const std::size_t base = static_cast<std::size_t>(row) * term_cols_;
  MoveTo(row, col, out);
  SetAttribute(wanted_[base + col].attr, out);
  out += "\x1b[K";
  // The cursor stays where it is.
  std::copy(wanted_.begin() + static_cast<std::ptrdiff_t>(base + col),
            wanted_.begin() + static_cast<std::ptrdiff_t>(base + term_cols_),
            shadow_.begin() + static_cast<std::ptrdiff_t>(base + col));
}

void TerminalRenderer::PutCell(int row, int col, std::string& out) {
  const std::size_t i = static_cast<std::size_t>(row) * term_cols_ + col;
  const Cell cell = wanted_[i];
  SetAttribute(cell.attr, out);
  PutGlyph(cell.ch, out);
  shadow_[i] = cell;
  // Auto-wrap is off, but a glyph in the last column still leaves the cursor in a
  // state terminals disagree on, so its place counts as unknown.
  at_row_ = row;
  at_col_ = col + 1 < term_cols_ ? col + 1 : -1;
  if (at_col_ < 0) at_row_ = -1;
}

void TerminalRenderer::PutGlyph(std::uint8_t ch, std::string& out) {
  const TerminalGlyph& glyph = glyphs_[ch];
  if (glyph.line_drawing != line_drawing_) {
    out += glyph.line_drawing ? glyphs_.line_drawing_on() : glyphs_.line_drawing_off();
    line_drawing_ = glyph.line_drawing;
  }
  out += glyph.bytes;
}

void TerminalRenderer::MoveTo(int row, int col, std::string& out) {
  if (row == at_row_ && col == at_col_) return;
  if (row == at_row_ && col > at_col_) {
    // Rewriting a few unchanged cells in the current colour is shorter than a jump.
    const int gap = col - at_col_;
    const std::size_t base = static_cast<std::size_t>(row) * term_cols_;
    bool rewrite = gap <= kMaxRewrite;
    std::size_t rewrite_bytes = 0;
    for (int c = at_col_; rewrite && c < col; ++c) {
      const Cell& cell = shadow_[base + c];
      const TerminalGlyph& glyph = glyphs_[cell.ch];
      rewrite = cell == wanted_[base + c] && cell.attr == attr_ &&
                glyph.line_drawing == line_drawing_;
      rewrite_bytes += glyph.bytes.size();
    }
    const std::size_t jump_bytes = gap == 1 ? 3 : 3 + std::to_string(gap).size();
    if (rewrite && rewrite_bytes <= jump_bytes) {
      for (int c = at_col_; c < col; ++c) out += glyphs_[shadow_[base + c].ch].bytes;
    } else {
      out += "\x1b[";
      if (gap > 1) AppendNumber(out, gap);
      out += 'C';
    }
  } else {
    // Both numbers default to 1: the first column goes without its number.
    out += "\x1b[";
    if (row != 0 || col != 0) AppendNumber(out, row + 1);
    if (col != 0) {
      out += ';';
      AppendNumber(out, col + 1);
    }
    out += 'H';
  }
  at_row_ = row;
  at_col_ = col;
}

void TerminalRenderer::SetAttribute(int attr, std::string& out) {
  if (attr == attr_) return;
  out += "\x1b[";
  if (attr_ < 0) {
    // Unknown state: also clear bold, underline and the like the shell may have left.
    out += "0;";
    AppendSgrColours(out, attr, -1);
  } else {
    AppendSgrColours(out, attr, attr_);
  }
  out += 'm';
  attr_ = attr;
}

void TerminalRenderer::RenderCursor(const TerminalFrame& frame, int shown_rows,
                                    std::string& out) {
  const int row = frame.cursor_row - 1;
  const int col = frame.cursor_col - 1;
  const bool on = frame.cursor_visible && row >= 0 && row < shown_rows && col >= 0 &&
                  col < term_cols_ && col < frame.cols;
  if (on) MoveTo(row, col, out);
  // A thin console cursor shows as an underline, a tall one as a block; both blink as
  // the console's does.
  const int shape = frame.cursor_size >= 50 ? 1 : 3;
  if (on && shape != cursor_shape_) {
    out += "\x1b[";
    AppendNumber(out, shape);
    out += " q";
    cursor_shape_ = shape;
  }
  if ((on ? 1 : 0) != cursor_on_) {
    out += on ? "\x1b[?25h" : "\x1b[?25l";
    cursor_on_ = on ? 1 : 0;
  }
}

}  // namespace tessella::platform
