// XBin reader: any bytes read or refused without harm, and what it reads writes back,
// compressed, to the same cells, palette and font.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/art_xbin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tessella::files;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // A header may claim 16 million blank cells from a dozen bytes; the caps bound that
  // (a unit test reads one), and here it would only slow the search down.
  if (size >= 9 && static_cast<long>(data[5] | data[6] << 8) * (data[7] | data[8] << 8) > 100'000) {
    return 0;
  }
  ArtDocument doc;
  try {
    doc = ReadXBin(bytes);
  } catch (const ArtError&) {
    return 0;
  }
  const ArtDocument back = ReadXBin(WriteXBin(doc));
  if (back.cells != doc.cells || back.look != doc.look) __builtin_trap();
  return 0;
}
