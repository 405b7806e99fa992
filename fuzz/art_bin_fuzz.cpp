// Binary-screen reader: any bytes read without harm, and even widths write back to the
// same cells.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/art_bin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tessella::files;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const ArtDocument doc = ReadBin(bytes);
    if (doc.cells.width() % 2 == 0 && ReadBin(WriteBin(doc)).cells != doc.cells) __builtin_trap();
  } catch (const ArtError&) {
  }
  return 0;
}
