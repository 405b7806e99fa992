// .BNY and .BNA readers: rows of whole cells, never more than the room given, and a
// .BNA of whole rows writes back to the same bytes.
#include "files/binary_screens.h"
#include "files/file_names.h"
#include "fuzz_input.h"

using namespace tessella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const fuzz::Input in = fuzz::Split(data, size);
  const int width = files::WidthSuffix(in.name).value_or(90);
  const int max_rows = static_cast<int>(in.name.size() * 7 % 50);
  const size_t row_bytes = static_cast<size_t>(width) * 4;

  for (bool two_byte : {true, false}) {
    const files::LoadedRows loaded = two_byte ? files::DecodeBny(in.bytes, width, max_rows)
                                              : files::DecodeBna(in.bytes, width, max_rows);
    fuzz::Check(loaded.rows.size() <= static_cast<size_t>(max_rows), "row count");
    for (const std::string& row : loaded.rows)
      fuzz::Check(row.size() <= row_bytes && row.size() % 4 == 0, "row size");
    if (two_byte || loaded.cut || in.bytes.empty() || in.bytes.size() % row_bytes != 0) continue;
    const files::RowAt row_at = [&loaded](int i) {
      return std::string_view(loaded.rows[static_cast<size_t>(i)]);
    };
    const std::string back = files::EncodeBna(
        row_at, {0, static_cast<int>(loaded.rows.size())}, {1, width});
    fuzz::Check(back == in.bytes, ".BNA round trip");
  }
  return 0;
}
