#include "files/file_document.h"

#include <algorithm>

#include "console/screen_image.h"
#include "core/page_moves.h"
#include "core/page_numbers.h"
#include "files/file_names.h"
#include "files/screen_files.h"
#include "ui/dialog.h"
#include "ui/message_box.h"

namespace tessella::files {
namespace {

constexpr int kRowsForAWidthSuffix = 35;
// The whole line typed counts ("0010" is ten screens); the field shows what fits.
constexpr int kPartLineLength = 255;
constexpr int kPartFg = 15;
constexpr int kPartBg = 5;

}  // namespace

bool ResizeForFile(core::Editor& ed, int rows, int cols) {
  auto& con = ed.console;
  if (!ports::ConsoleSizeIsUsable(rows, cols)) return false;
  const int old_height = con.rows() - 1;
  if (!ed.host.RequestSize(rows, cols) || !con.SetSize(rows, cols)) return false;
  // As Reset Console Size does: the rows take the new width, and the pages the new
  // height, so the page on display stays inside the document and a save still takes
  // every row it took before.
  ed.doc.store.Refit(cols);
  core::FollowPageHeight(ed, old_height);
  ed.pen.cursor_row = std::clamp(ed.pen.cursor_row, 1, std::max(1, rows - 1));
  ed.pen.cursor_col = std::clamp(ed.pen.cursor_col, 1, cols);
  ed.pen.left_margin = std::clamp(ed.pen.left_margin, 1, cols);
  return true;
}

void ApplyWidthSuffix(core::Editor& ed, const std::string& path) {
  const std::optional<int> width = WidthSuffix(path);
  if (width && *width != ed.cols()) ResizeForFile(ed, kRowsForAWidthSuffix, *width);
}

bool StoreLoadedRows(core::Editor& ed, std::vector<std::string> rows) {
  auto& doc = ed.doc;
  const int r0 = doc.store.current;
  const int room = std::max(0, std::min(kLoadRowLimit, core::RowStore::kLastIndex + 1) - r0);
  const bool cut = static_cast<int>(rows.size()) > room;
  const int count = std::min(static_cast<int>(rows.size()), room);
  for (int i = 0; i < count; ++i) doc.store.set_row(r0 + i, std::move(rows[static_cast<size_t>(i)]));
  if (count > 0) {
    const int last = r0 + count - 1;
    const int page = std::max(1, ed.rows() - 1);
    doc.highest_row = std::max(doc.highest_row, last);
    doc.last_page_index = std::max(doc.last_page_index, last / page);
  }
  doc.store.LoadPage(ed.console);
  ed.pen.cursor_row = 1;
  return cut;
}

void SayFileWasCut(core::Editor& ed) {
  ui::ShowMessage(ed.modal(), "The file runs past the end of the design: the rest was left out");
}

std::optional<PageRange> PagesForSave(core::Editor& ed, bool save_part) {
  core::CommitPage(ed);
  std::optional<int> part;
  if (save_part) {
    namespace box = ui::number_of_screens;
    const console::RecordImage under = ed.console.Snapshot();
    ui::ShowBox(ed.modal(), box::kPicture);
    ed.console.SetColor(kPartFg, kPartBg);
    part = PartPagesAnswer(
        ui::ReadField(ed.modal(), box::kPicture, box::kCountField, kPartLineLength));
    ed.console.Restore(under);
    ed.SetOutputColour();
    if (part) ed.Beep();
  }
  const PageRange range = PagesToSave(ed.doc.last_page_index, part, ed.doc.store.current,
                                     ed.rows() - 1, core::RowStore::kLastIndex + 1);
  if (range.pages <= 0) {
    ui::ShowMessage(ed.modal(), "No screens to save: the file was not written");
    return std::nullopt;
  }
  return range;
}

RowAt DocumentRows(const core::Editor& ed) {
  // A blank row is kept empty in the store; the files get it as wide as the page.
  return [&store = ed.doc.store,
          blank = core::RowStore::BlankRow(ed.cols())](int index) -> std::string_view {
    if (index < 0 || index > core::RowStore::kLastIndex) return {};
    const std::string& row = store.row(index);
    return row.empty() ? std::string_view(blank) : std::string_view(row);
  };
}

PageShape ConsolePage(const core::Editor& ed) { return PageShape{ed.rows() - 1, ed.cols()}; }

void PutAt(core::Editor& ed, int row, int col, int fg, int bg, std::string_view text) {
  if (row < 1 || row > ed.rows() || col < 1 || col > ed.cols()) return;
  const size_t room = static_cast<size_t>(ed.cols() - col + 1);
  ed.console.PutText(row, col, fg, bg, text.substr(0, std::min(room, text.size())));
}

std::string RecordsOf(std::string_view pairs) {
  std::string records(pairs.size() / 2 * console::kRecordBytes, static_cast<char>(console::kPad));
  for (size_t c = 0; c < pairs.size() / 2; ++c) {
    records[c * 4] = pairs[c * 2];
    records[c * 4 + 2] = pairs[c * 2 + 1];
  }
  return records;
}

}  // namespace tessella::files
