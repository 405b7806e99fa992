// SAUCE: any file's record and comments split off without harm, and a record read
// encodes back to itself.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/sauce_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tessella::files;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SauceSplit split = SplitSauce(bytes);
  if (split.data.size() > bytes.size() || split.data.data() != bytes.data()) __builtin_trap();
  if (!split.sauce) return 0;
  const std::string again = std::string(split.data) + EncodeSauce(*split.sauce);
  const SauceSplit reread = SplitSauce(again);
  if (!reread.sauce || *reread.sauce != *split.sauce) __builtin_trap();
  return 0;
}
