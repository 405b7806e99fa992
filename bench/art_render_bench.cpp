// A PNG of a long piece of text art: 1,000 rows of 80 columns (640 x 16,000 pixels),
// every cell a different glyph and colour pair, as `tessella render` draws it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "files/art_render.h"

namespace {

using namespace tessella;

void BM_RenderPng1000Rows(benchmark::State& state) {
  if (!files::CanRender()) {
    state.SkipWithError("built without libansilove");
    return;
  }
  files::ArtDocument doc;
  doc.cells = console::ScreenImage(80, 1000);
  for (int r = 1; r <= 1000; ++r) {
    for (int c = 1; c <= 80; ++c) {
      doc.cells.Set(r, c, static_cast<std::uint8_t>(r * 7 + c), static_cast<std::uint8_t>(r + c * 3));
    }
  }
  std::size_t png_bytes = 0;
  for (auto _ : state) {
    const std::string png = files::RenderPng(doc);
    png_bytes = png.size();
    benchmark::DoNotOptimize(png.data());
  }
  state.counters["png_bytes"] = benchmark::Counter(static_cast<double>(png_bytes));
}
BENCHMARK(BM_RenderPng1000Rows)->Unit(benchmark::kMillisecond);

}  // namespace
