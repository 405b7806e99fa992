// Plain text: Save under a name of no other kind writes the pages' characters; Open of
// such a file lays its lines out on the pages from the one on display.
#include <algorithm>

#include "console/screen_image.h"
#include "files/file_document.h"
#include "files/include_commands.h"
#include "files/text_pages.h"

namespace tessella::files {
namespace {

constexpr std::string_view kSavingTitle = "   Tessella    Version 2.9     Saving  ";

// A stored row as the page shows it: `cols` cells, blank where the image holds none.
std::string ShownRow(const std::string& image, int cols) {
  const size_t width = static_cast<size_t>(cols) * console::kRecordBytes;
  if (image.size() == width) return image;
  std::string row = core::RowStore::BlankRow(cols);
  const size_t held = std::min(width, image.size() / console::kRecordBytes * console::kRecordBytes);
  row.replace(0, held, image, 0, held);
  return row;
}

// A row of blanks in the given attribute.
std::string ClearedRow(int cols, char attribute) {
  std::string row(static_cast<size_t>(cols) * console::kRecordBytes, static_cast<char>(console::kPad));
  for (size_t at = 2; at < row.size(); at += console::kRecordBytes) row[at] = attribute;
  return row;
}

// Prints `text` into a row image from column `col` in the attribute, as PRINT would:
// the cells it covers take its bytes, the rest of the row stays.
void PrintInto(std::string& row, int col, std::string_view text, char attribute) {
  size_t at = static_cast<size_t>(col - 1) * console::kRecordBytes;
  for (const char ch : text) {
    if (at + console::kRecordBytes > row.size()) break;
    row[at] = ch;
    row[at + 1] = static_cast<char>(console::kPad);
    row[at + 2] = attribute;
    row[at + 3] = static_cast<char>(console::kPad);
    at += console::kRecordBytes;
  }
}

}  // namespace

bool SaveTextFile(core::Editor& ed, const std::string& path, bool save_part) {
  const int current = ed.doc.store.current;
  const std::optional<PageRange> range = PagesForSave(ed, save_part);
  if (!range) return false;
  ed.console.SetCursorVisible(false);
  ed.console.SetTitle(std::string(kSavingTitle) + path);
  const std::string bytes = EncodeTextPages(DocumentRows(ed), *range, ConsolePage(ed));
  ed.doc.store.current = current;
  ed.files.Write(path, bytes);
  return true;
}

// The page on display is cleared in the typing colours and the lines printed from
// column 3; every further page the text reaches shows what the document held there, the
// lines printed over it. The rows go straight into the document, page by page, as the
// page commits would leave them, and the first page is shown again.
LoadOutcome OpenTextFile(core::Editor& ed, const std::string& path) {
  const std::string bytes = ed.files.Read(path);
  auto& doc = ed.doc;
  const int r0 = doc.store.current;
  const int height = std::max(1, ed.rows() - 1);
  const int cols = ed.cols();
  const int last_index = core::RowStore::kLastIndex;
  const int room = std::max(0, std::min(kLoadRowLimit, last_index + 1) - r0);
  const TextRows view = ViewTextRows(bytes, cols, room);

  const char attribute = static_cast<char>(console::Attribute(ed.pen.txcolor, ed.pen.bgcolor));
  const int lines = static_cast<int>(view.rows.size());
  const int pages = std::max(1, (lines + height - 1) / height);
  const int last = std::min(r0 + pages * height - 1, last_index);
  for (int index = r0; index <= last; ++index) {
    const int line = index - r0;
    std::string row = line < height ? ClearedRow(cols, attribute) : ShownRow(doc.store.row(index), cols);
    if (line < lines) PrintInto(row, kTextViewColumn, view.rows[static_cast<size_t>(line)], attribute);
    doc.store.set_row(index, std::move(row));
  }
  doc.highest_row = std::max(doc.highest_row, last);
  doc.last_page_index = std::max(doc.last_page_index, last / height);
  doc.store.LoadPage(ed.console);
  ed.pen.cursor_row = 1;
  ed.pen.cursor_col = 1;
  if (view.cut) SayFileWasCut(ed);
  return LoadOutcome::kShown;
}

}  // namespace tessella::files
