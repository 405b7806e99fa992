// Bytes the terminal renderer sends for the everyday events: one typed character, one
// cursor move, one PgDn, one menu opened, and a whole repaint of a sparse and of a
// dense screen. The events run through the real program, whose host paints each frame
// as the terminal front end does (before it waits for the next record); the count is
// what that event's frame cost. The dense cases (a typed character and a repaint of a
// busy screen) paint a made-up console without the program.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "app/session.h"
#include "console/console.h"
#include "console/keys.h"
#include "platform/terminal_renderer.h"

namespace {

using tessella::console::Console;
using tessella::console::InputRecord;
using tessella::console::KeyRecord;
using tessella::platform::TerminalFrame;
using tessella::platform::TerminalRenderer;

// A host that paints every frame into a counter, hands out a script of records and
// remembers what the frame after the last record cost.
class CountingHost : public tessella::ports::Host {
 public:
  CountingHost(const Console& console, std::vector<InputRecord> script)
      : console_(console), script_(std::move(script)) {
    renderer_.SetTerminalSize(console.rows(), console.cols());
  }
  std::optional<InputRecord> Poll() override {
    Paint();
    return std::nullopt;
  }
  InputRecord Wait() override {
    Paint();
    if (next_ == script_.size()) {
      *last_frame_bytes_ = frame_bytes_;
      *repaint_bytes_ = Repaint();
      throw tessella::ports::SessionEnd{0};
    }
    frame_bytes_ = 0;
    return script_[next_++];
  }
  void Sleep(int) override { Paint(); }
  void Beep() override {}
  void SetClipboard(std::string_view) override {}
  void SetMouseTracking(bool) override {}
  bool RequestSize(int rows, int cols) override {
    renderer_.SetTerminalSize(rows, cols);
    return true;
  }
  void Finish() override {}

  // Where the counts go when the script is used up.
  void Report(std::size_t* last_frame_bytes, std::size_t* repaint_bytes) {
    last_frame_bytes_ = last_frame_bytes;
    repaint_bytes_ = repaint_bytes;
  }

 private:
  void Paint() {
    out_.clear();
    renderer_.Render(TerminalFrame::Of(console_), out_);
    frame_bytes_ += out_.size();
  }
  std::size_t Repaint() {
    renderer_.Invalidate();
    out_.clear();
    renderer_.Render(TerminalFrame::Of(console_), out_);
    return out_.size();
  }

  const Console& console_;
  std::vector<InputRecord> script_;
  std::size_t next_ = 0;
  TerminalRenderer renderer_;
  std::string out_;
  std::size_t frame_bytes_ = 0;
  std::size_t* last_frame_bytes_ = nullptr;
  std::size_t* repaint_bytes_ = nullptr;
};

InputRecord Key(const char* name) {
  const auto* key = tessella::keys::FindNamedKey(name);
  return KeyRecord{key->ch, key->scan, false};
}
InputRecord Char(char c) {
  return KeyRecord{static_cast<std::uint8_t>(c),
                   static_cast<std::uint8_t>(tessella::keys::LetterScanCode(c)), false};
}
void Type(std::vector<InputRecord>& script, std::string_view text) {
  for (const char c : text) script.push_back(Char(c));
}

// Past the title, then a few lines of text on the first two pages, back on page 1
// with the cursor in the middle of a line.
std::vector<InputRecord> Setup() {
  std::vector<InputRecord> script{Key("Space")};
  for (int page = 0; page < 2; ++page) {
    for (int line = 0; line < 6; ++line) {
      Type(script, "Menu line " + std::to_string(page * 6 + line) + ": some words of text");
      script.push_back(Key("Enter"));
    }
    script.push_back(Key(page == 0 ? "PgDn" : "PgUp"));
  }
  script.push_back(Key("Down"));
  script.push_back(Key("Down"));
  return script;
}

// Runs the program through the setup and `events`; gives the bytes of the frame the
// last event left and of a whole repaint of the screen after it.
std::pair<std::size_t, std::size_t> Measure(const std::vector<InputRecord>& events) {
  std::vector<InputRecord> script = Setup();
  script.insert(script.end(), events.begin(), events.end());
  std::size_t frame = 0;
  std::size_t repaint = 0;
  tessella::app::Session session([&](const Console& console) {
    auto host = std::make_unique<CountingHost>(console, script);
    host->Report(&frame, &repaint);
    return host;
  });
  session.Run();
  return {frame, repaint};
}

void Report(benchmark::State& state, const char* name, std::size_t bytes) {
  state.counters[name] = benchmark::Counter(static_cast<double>(bytes));
}

void BM_BytesOneTypedCharacter(benchmark::State& state) {
  std::pair<std::size_t, std::size_t> bytes;
  for (auto _ : state) bytes = Measure({Char('x')});
  Report(state, "bytes", bytes.first);
}
BENCHMARK(BM_BytesOneTypedCharacter)->Unit(benchmark::kMillisecond);

void BM_BytesOneCursorMove(benchmark::State& state) {
  std::pair<std::size_t, std::size_t> bytes;
  for (auto _ : state) bytes = Measure({Key("Right")});
  Report(state, "bytes", bytes.first);
}
BENCHMARK(BM_BytesOneCursorMove)->Unit(benchmark::kMillisecond);

void BM_BytesOnePgDn(benchmark::State& state) {
  std::pair<std::size_t, std::size_t> bytes;
  for (auto _ : state) bytes = Measure({Key("PgDn")});
  Report(state, "bytes", bytes.first);
}
BENCHMARK(BM_BytesOnePgDn)->Unit(benchmark::kMillisecond);

void BM_BytesOneMenuOpened(benchmark::State& state) {
  std::pair<std::size_t, std::size_t> bytes;
  for (auto _ : state) bytes = Measure({Key("Tab")});
  Report(state, "bytes", bytes.first);
}
BENCHMARK(BM_BytesOneMenuOpened)->Unit(benchmark::kMillisecond);

// The program's own screen as it mostly looks: a few lines of text and the toolbar.
void BM_BytesFullRepaintSparse(benchmark::State& state) {
  std::pair<std::size_t, std::size_t> bytes;
  for (auto _ : state) bytes = Measure({});
  Report(state, "bytes", bytes.second);
}
BENCHMARK(BM_BytesFullRepaintSparse)->Unit(benchmark::kMillisecond);

// Dense: a busy 35 x 90 screen, every cell holding a character in one of several
// colours, and the last line a toolbar with the page, row and column fields.
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
