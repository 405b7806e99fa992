#include "core/page_numbers.h"

#include <algorithm>

namespace tessella::core {
namespace {

int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

int PageNumberOf(int line_counter, int page_height) {
  return page_height > 0 ? FloorDiv(line_counter - 1, page_height) : 0;
}

void FollowPageHeight(Editor& ed, int old_height) {
  auto& doc = ed.doc;
  const int height = ed.rows() - 1;
  if (height <= 0) return;
  const int last_start = RowStore::LastPageStart(height);
  if (doc.store.current > last_start) {
    doc.line_counter = std::max(1, doc.line_counter - (doc.store.current - last_start));
    doc.store.current = last_start;
  }
  const int rows_counted = (doc.last_page_index + 1) * std::max(old_height, 1);
  doc.last_page_index = std::max(0, (rows_counted + height - 1) / height - 1);
  doc.page_number = PageNumberOf(doc.line_counter, height);
}

}  // namespace tessella::core
