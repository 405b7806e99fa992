// Text viewer: rows fit the console less its margins, hold no line ends, and stop at
// the room given.
#include "files/file_names.h"
#include "files/text_pages.h"
#include "fuzz_input.h"

using namespace tessella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const fuzz::Input in = fuzz::Split(data, size);
  const int width = files::WidthSuffix(in.name).value_or(90);
  const int max_rows = static_cast<int>(in.name.size() * 13 % 200);
  const files::TextRows view = files::ViewTextRows(in.bytes, width, max_rows);
  fuzz::Check(view.rows.size() <= static_cast<size_t>(max_rows), "row count");
  for (const std::string& row : view.rows) {
    fuzz::Check(row.size() <= static_cast<size_t>(width - 4), "row width");
    fuzz::Check(row.find_first_of("\r\n") == std::string::npos, "no line ends");
  }
  return 0;
}
