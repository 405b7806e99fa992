#pragma once
// A fuzz input is a file name, a newline, then the file's bytes (no newline: no name).
// Check() stops the run on a broken promise of a reader, so libFuzzer keeps the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tessella::fuzz {

struct Input {
  std::string_view name;
  std::string_view bytes;
};

inline Input Split(const std::uint8_t* data, size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const size_t newline = all.find('\n');
  if (newline == std::string_view::npos) return {{}, all};
  return {all.substr(0, newline), all.substr(newline + 1)};
}

inline void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "broken promise: %s\n", what);
  std::abort();
}

}  // namespace tessella::fuzz
