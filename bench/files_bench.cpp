// The binary screen files at their largest: 1,000 pages of 34 x 90 (34,000 rows), read
// into row images and written back; and the text view of a 10 MB file, which stops
// where the document ends.
//
// Reading a large file makes 12 MB of new row images. The plain runs keep the freed
// memory in the process (as a running program mostly does), so they time the codec;
// the FreshMemory runs hand it back to the system first and so also time the page
// faults of a first open.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>
#include <vector>

#include "files/binary_screens.h"
#include "files/text_pages.h"

namespace {

using namespace tessella::files;

constexpr int kPages = 1000;
constexpr PageShape kShape{34, 90};
constexpr int kRows = kPages * 34;

// Freed memory stays in the process (warm) or goes back to the system at once (fresh).
void KeepFreedMemory(bool keep) {
  mallopt(M_MMAP_THRESHOLD, keep ? 64 << 20 : 128 << 10);
  mallopt(M_TRIM_THRESHOLD, keep ? 256 << 20 : 0);
}

std::string FileBytes(size_t cell_bytes) {
  std::string bytes(static_cast<size_t>(kRows) * kShape.width * cell_bytes, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 131 % 251);
  return bytes;
}

template <bool kTwoByte, bool kFreshMemory>
void BM_Decode1000Pages(benchmark::State& state) {
  const std::string bytes = FileBytes(kTwoByte ? 2 : 4);
  KeepFreedMemory(!kFreshMemory);
  for (auto _ : state) {
    if (kFreshMemory) {
      state.PauseTiming();
      malloc_trim(0);
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(kTwoByte ? DecodeBny(bytes, kShape.width, 34000)
                                      : DecodeBna(bytes, kShape.width, 34000));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Decode1000Pages<true, false>)->Name("BM_DecodeBny1000Pages")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode1000Pages<false, false>)->Name("BM_DecodeBna1000Pages")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode1000Pages<true, true>)->Name("BM_DecodeBny1000PagesFreshMemory")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode1000Pages<false, true>)->Name("BM_DecodeBna1000PagesFreshMemory")->Unit(benchmark::kMillisecond);

template <std::string (*Encode)(const RowAt&, PageRange, PageShape)>
void BM_Encode1000Pages(benchmark::State& state) {
  const std::vector<std::string> rows = DecodeBna(FileBytes(4), kShape.width, kRows).rows;
  const RowAt row_at = [&rows](int i) { return std::string_view(rows[static_cast<size_t>(i)]); };
  KeepFreedMemory(true);
  for (auto _ : state) benchmark::DoNotOptimize(Encode(row_at, {0, kPages}, kShape));
}
BENCHMARK(BM_Encode1000Pages<EncodeBny>)->Name("BM_EncodeBny1000Pages")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode1000Pages<EncodeBna>)->Name("BM_EncodeBna1000Pages")->Unit(benchmark::kMillisecond);

void BM_ViewText10MB(benchmark::State& state) {
  std::string text;
  while (text.size() < 10'000'000) text += "A line of words\tthat is long enough to be broken once by the viewer, "
                                           "because it runs past eighty-six columns of the console.\r\n";
  KeepFreedMemory(true);
  for (auto _ : state) benchmark::DoNotOptimize(ViewTextRows(text, kShape.width, 34000));
}
BENCHMARK(BM_ViewText10MB)->Unit(benchmark::kMillisecond);

}  // namespace
