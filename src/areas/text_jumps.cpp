#include "areas/text_jumps.h"

#include <string>

#include "areas/cell_output.h"
#include "console/screen_image.h"

namespace tessella::areas {
namespace {

constexpr std::uint8_t kJumpEmbed = 250;
constexpr std::uint8_t kShellEmbed = 249;
constexpr std::string_view kJumpMessage = " is now a Jump Word for the Folivo Program    ";
constexpr std::string_view kShellMessage = " is now a Shell Word for the Folivo Program   ";
static_assert(kJumpMessage.size() == 46 && kShellMessage.size() == 46);

constexpr int kNoticeRow = 10;
constexpr int kNoticeCol = 10;
constexpr int kNoticeMs = 5000;
constexpr std::uint8_t kNoticeAttr = console::Attribute(15, 8);
constexpr std::string_view kIndent = "    ";

std::string Capitals(std::string_view word) {
  std::string s(word);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

core::Next MarkWord(core::Editor& ed, std::uint8_t embed, std::string_view message) {
  auto& con = ed.console;
  auto& pen = ed.pen;
  // Only a cursor on the work screen marks anything.
  if (pen.cursor_row < 1 || pen.cursor_row >= ed.rows() || pen.cursor_col < 1 ||
      pen.cursor_col > ed.cols())
    return core::Next::kBookkeeping;
  // The embed takes as its foreground the background the cell had: on a page of that
  // background it cannot be seen.
  const int under_bg = con.AtOutput(pen.cursor_row, pen.cursor_col).attr / 16;
  PutClipped(con, pen.cursor_row, pen.cursor_col, console::Attribute(under_bg, pen.bgcolor),
             std::string(1, static_cast<char>(embed)));
  ed.SetOutputColour();
  // The word runs to the next blank or carriage return, and no further than the row.
  std::string word;
  while (pen.cursor_col < ed.cols()) {
    ++pen.cursor_col;
    const std::uint8_t ch = con.AtOutput(pen.cursor_row, pen.cursor_col).ch;
    if (ch == ' ' || ch == '\r') break;
    word += static_cast<char>(ch);
  }
  ShowWordNotice(ed.modal(), word, message);
  ed.SetOutputColour();
  return core::Next::kBookkeeping;
}

}  // namespace

void ShowWordNotice(const ui::Modal& ui, std::string_view word, std::string_view message) {
  auto& con = ui.console;
  const std::string middle = std::string(kIndent) + Capitals(word) + std::string(message);
  console::ScreenImage notice(static_cast<int>(middle.size()), 3, ' ', kNoticeAttr);
  for (size_t i = 0; i < middle.size(); ++i)
    notice.Set(2, static_cast<int>(i) + 1, static_cast<std::uint8_t>(middle[i]), kNoticeAttr);
  const console::RecordImage under = con.Snapshot();
  PutImageClipped(con, kNoticeRow, kNoticeCol, notice, con.rows());
  ui.Pause(kNoticeMs);
  con.Restore(under);
}

core::Next JumpWord(core::Editor& ed, core::Event&) { return MarkWord(ed, kJumpEmbed, kJumpMessage); }
core::Next ShellWord(core::Editor& ed, core::Event&) { return MarkWord(ed, kShellEmbed, kShellMessage); }

}  // namespace tessella::areas
