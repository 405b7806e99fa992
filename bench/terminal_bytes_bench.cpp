// Bytes the terminal renderer sends when one character is typed on a full screen: the
// changed cell, the toolbar's live fields and the cursor should be all that goes out.
#include <benchmark/benchmark.h>

#include <string>

#include "console/console.h"
#include "platform/terminal_renderer.h"

namespace {

using tessella::console::Console;
using tessella::platform::TerminalFrame;
using tessella::platform::TerminalRenderer;

// A busy 35 x 90 screen: every cell holds a character in one of several colours, and
// the last line is a toolbar with the page, row and column fields.
void FillScreen(Console& console) {
  for (int r = 1; r <= console.rows(); ++r) {
    std::string line;
    for (int c = 1; c <= console.cols(); ++c) line += static_cast<char>(0x20 + (r * 7 + c) % 200);
    console.PutText(r, 1, (r % 15) + 1, r % 8, line.substr(0, 99));
  }
  console.PutText(console.rows(), 1, 0, 7, std::string(90, ' '));
}

void WriteToolbarFields(Console& console, int row, int col) {
  const int last = console.rows();
  console.PutText(last, 66, 12, 7, "1  ");
  console.PutText(last, 72, 12, 7, std::to_string(row) + " ");
  console.PutText(last, 78, 12, 7, std::to_string(col) + " ");
}

void BM_BytesPerTypedCharacter(benchmark::State& state) {
  Console console;
  FillScreen(console);
  TerminalRenderer renderer;
  renderer.SetTerminalSize(console.rows(), console.cols());
  int col = 10;
  console.Locate(5, col);
  WriteToolbarFields(console, 5, col);
  std::string out;
  renderer.Render(TerminalFrame::Of(console), out);

  std::size_t bytes = 0;
  std::size_t frames = 0;
  for (auto _ : state) {
    // Type one character: it lands at the cursor, the cursor moves right, and the
    // toolbar shows the new column.
    console.PutText(5, col, 14, 1, std::string(1, static_cast<char>('A' + frames % 26)));
    col = col < 80 ? col + 1 : 10;
    console.Locate(5, col);
    WriteToolbarFields(console, 5, col);
    out.clear();
    renderer.Render(TerminalFrame::Of(console), out);
    benchmark::DoNotOptimize(out.data());
    bytes += out.size();
    ++frames;
  }
  state.counters["bytes_per_char"] =
      benchmark::Counter(static_cast<double>(bytes) / static_cast<double>(frames ? frames : 1));
}
BENCHMARK(BM_BytesPerTypedCharacter);

void BM_FullRepaint(benchmark::State& state) {
  Console console;
  FillScreen(console);
  TerminalRenderer renderer;
  std::string out;
  for (auto _ : state) {
    renderer.SetTerminalSize(console.rows(), console.cols());
    out.clear();
    renderer.Render(TerminalFrame::Of(console), out);
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["bytes_per_frame"] = benchmark::Counter(static_cast<double>(out.size()));
}
BENCHMARK(BM_FullRepaint);

}  // namespace
