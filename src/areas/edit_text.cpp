#include "areas/edit_text.h"

#include <string>

#include "areas/cell_output.h"
#include "areas/word_wrap.h"
#include "core/area_bounds.h"
#include "core/area_flash.h"
#include "core/clipboard.h"

namespace tessella::areas {
namespace {

constexpr std::string_view kEditorTitle =
    " Do your Editing now, only Strikeover, Line Insert and Delete is allowed after";
constexpr std::size_t kMaxText = 1999;

// Dialog units a cell takes in the edit box, across and down.
constexpr int kUnitsPerCol = 4;
constexpr int kUnitsPerRow = 8;

// Copied rather than replaced in place: GCC 12 at -O3 takes the in-place replace for an
// overlapping copy (a false -Wrestrict) and fails the optimised build.
std::string LineBreaksAsBlanks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool line_break = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    out += line_break ? ' ' : text[i];
    if (line_break) ++i;
  }
  return out;
}

}  // namespace

std::string CollapseBlanks(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    if (ch == ' ' && !out.empty() && out.back() == ' ') continue;
    out += ch;
  }
  return out;
}

ui::TextAreaSize EditorSizeFor(int width, int height) {
  const int units_per_col = width <= 51 ? 6 : 5;
  const int units_per_row = height <= 3 ? 12 : height <= 5 ? 11 : 10;
  return ui::TextAreaSize{units_per_col * width / kUnitsPerCol, units_per_row * height / kUnitsPerRow};
}

core::Next EditAreaText(core::Editor& ed, core::Event&) {
  auto& con = ed.console;
  // After a smaller console size the area may reach past the work screen: the part on
  // it is the area; an area with nothing on it is none.
  const console::Rect on = core::ClipArea(con, ed.selection.area, ed.rows() - 1);
  if (!core::HasTwoRowArea(ed) || on.empty()) {
    core::TwoCornerWarning(ed);
    return core::Next::kBookkeeping;
  }
  core::FlashArea(ed);
  ed.lines.pending = 0;

  const console::RecordImage cells = con.ReadImage(on.top, on.left, on.bottom, on.right);
  std::string text;
  for (int r = 1; r <= cells.height(); ++r)
    for (int c = 1; c <= cells.width(); ++c) text += static_cast<char>(cells.ch(r, c));
  text = CollapseBlanks(text);
  core::HandToClipboard(ed, text);
  ed.selection.Drop();

  // The second click reads the colours.
  const int fill_attr = console::Attribute(ed.pen.txcolor, con.AtOutput(on.bottom, on.right).attr / 16);
  const std::string blanks(static_cast<std::size_t>(on.width()), ' ');
  for (int row = on.top; row <= on.bottom; ++row) PutClipped(con, row, on.left, fill_attr, blanks);
  auto& buffer = ed.selection.buffer;
  buffer.image = con.ReadRegion(on.top, on.left, on.bottom, on.right);
  buffer.width = on.width();
  buffer.height = on.height();
  ed.pen.cursor_row = on.top;
  ed.pen.cursor_col = on.left;

  const std::string edited =
      ui::EditText(ed.modal(), kEditorTitle, text, EditorSizeFor(on.width(), on.height()), kMaxText);
  const auto lines = WrapWords(LineBreaksAsBlanks(edited), on.width(), on.height());
  for (std::size_t i = 0; i < lines.size(); ++i)
    PutClipped(con, on.top + static_cast<int>(i), on.left, fill_attr, lines[i]);

  ed.SetOutputColour();
  return core::Next::kBookkeeping;
}

}  // namespace tessella::areas
