#include "files/bsave_file.h"

#include <algorithm>

namespace tessella::files {

std::string EncodeBsa(const console::ScreenImage& page) {
  static constexpr char kHeader[kBsaveHeaderBytes] = {
      static_cast<char>(kBsaveMagic), 0x20, static_cast<char>(0xB8), 0x20, 0x20,
      static_cast<char>(0xA0),        0x0F};
  std::string out(kHeader, kBsaveHeaderBytes);
  out += page.bytes();
  return out;
}

std::optional<std::string> DecodeBsa(std::string_view bytes, int width, int height) {
  if (bytes.empty() || static_cast<unsigned char>(bytes[0]) != kBsaveMagic) return std::nullopt;
  const std::string_view cells = bytes.substr(std::min(bytes.size(), kBsaveHeaderBytes));
  const size_t page_bytes =
      static_cast<size_t>(std::max(width, 0)) * static_cast<size_t>(std::max(height, 0)) * 2;
  return std::string(cells.substr(0, std::min(page_bytes, cells.size() / 2 * 2)));
}

}  // namespace tessella::files
