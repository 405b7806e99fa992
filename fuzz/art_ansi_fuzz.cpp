// ANSI art reader: any bytes read without harm, and what it reads writes back to the
// same cells.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/art_ansi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tessella::files;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The first byte picks a width now and then, so narrow and wide wrapping are both tried.
  const int width = size > 0 && data[0] % 4 == 0 ? data[0] + 1 : 0;
  const ArtDocument doc = ReadAnsi(bytes, width);
  if (doc.cells.width() < 1 || doc.cells.width() > kMaxArtColumns || doc.cells.height() < 1 ||
      doc.cells.height() > MaxArtRows(doc.cells.width())) {
    __builtin_trap();
  }
  if (AnsiUnwritableCells(doc.cells) == 0 && ReadAnsi(WriteAnsi(doc)).cells != doc.cells) {
    __builtin_trap();
  }
  return 0;
}
