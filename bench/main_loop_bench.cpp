// Main-loop passes per second in replay: every pass draws the toolbar, takes the
// "before" snapshot, runs GetEvent (which takes and writes back its own snapshot) and
// dispatches one command.
#include <benchmark/benchmark.h>

#include "app/session.h"
#include "console/keys.h"

namespace {

using tessella::console::InputRecord;
using tessella::console::KeyRecord;
using tessella::console::MouseEvent;
using tessella::console::MouseRecord;

// Hands out a space for the title, then `events` records cycling through a few keys
// and clicks, then ends the session.
class EndlessHost : public tessella::ports::Host {
 public:
  explicit EndlessHost(long events) : left_(events + 1) {}
  std::optional<InputRecord> Poll() override { return Wait(); }
  InputRecord Wait() override {
    if (left_-- <= 0) throw tessella::ports::SessionEnd{0};
    static const InputRecord kCycle[] = {
        KeyRecord{0, 0x47, false},  // Home
        KeyRecord{0, 0x4F, false},  // End
        MouseRecord{35, 70, 1, MouseEvent::kButtonDown},  // the Row field: Down
        KeyRecord{0, 0x48, false},  // Up
    };
    return kCycle[count_++ % 4];
  }
  void Sleep(int) override {}
  void Beep() override {}
  void SetClipboard(std::string_view) override {}
  void SetMouseTracking(bool) override {}
  bool RequestSize(int, int) override { return true; }
  void Finish() override {}

 private:
  long left_;
  long count_ = 0;
};

void BM_MainLoopEvents(benchmark::State& state) {
  const long events = state.range(0);
  for (auto _ : state) {
    tessella::app::Session session(
        [&](const tessella::console::Console&) { return std::make_unique<EndlessHost>(events); });
    benchmark::DoNotOptimize(session.Run());
  }
  state.SetItemsProcessed(state.iterations() * events);
  state.counters["events_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations() * events), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MainLoopEvents)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
