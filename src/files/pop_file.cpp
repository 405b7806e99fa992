#include "files/pop_file.h"

#include <algorithm>

namespace tessella::files {
namespace {

constexpr size_t kHeaderBytes = 4;

bool Fits(int n) { return n >= 1 && n <= kPopMaxCoordinate; }

}  // namespace

std::optional<std::string> EncodePop(int top, int left, const console::ScreenImage& cells) {
  if (cells.empty()) return std::nullopt;
  const int bottom = top + cells.height() - 1;
  const int right = left + cells.width() - 1;
  if (!Fits(top) || !Fits(left) || !Fits(bottom) || !Fits(right)) return std::nullopt;
  std::string out;
  out.reserve(kHeaderBytes + cells.bytes().size());
  for (int n : {top, bottom, left, right}) out += static_cast<char>(n);
  out += cells.bytes();
  return out;
}

PopContent DecodePop(std::string_view bytes, int max_row, int max_col) {
  PopContent pop;
  if (bytes.size() < kHeaderBytes) {
    pop.refusal = PopRefusal::kTooShort;
    return pop;
  }
  const auto byte = [&](size_t i) { return static_cast<int>(static_cast<unsigned char>(bytes[i])); };
  pop.area = {.top = byte(0), .left = byte(2), .bottom = byte(1), .right = byte(3)};
  const console::Rect& a = pop.area;
  if (a.bottom < a.top || a.right < a.left) {
    pop.refusal = PopRefusal::kUpsideDown;
  } else if (a.top < 1 || a.left < 1 || a.bottom > max_row || a.right > max_col) {
    pop.refusal = PopRefusal::kOffConsole;
  } else {
    const std::string_view cells = bytes.substr(kHeaderBytes);
    const size_t area_bytes = static_cast<size_t>(a.width()) * static_cast<size_t>(a.height()) * 2;
    pop.pairs = std::string(cells.substr(0, std::min(area_bytes, cells.size() / 2 * 2)));
  }
  return pop;
}

}  // namespace tessella::files
