#pragma once
// A host for tests: hands out queued input records, ends the session when they are used
// up, and counts beeps, pauses and clipboard hand-offs. Tests that want to see the
// screen at each wait or pause hook in with on_wait / on_pause.
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "console/input_record.h"
#include "ports/file_system.h"
#include "ports/host.h"
#include "platform/replay_script.h"

namespace tessella::testing {

class FakeHost final : public ports::Host {
 public:
  void Push(console::InputRecord record) { records_.push_back(record); }
  // Queues the input records of replay script lines (dump lines are skipped).
  void Queue(std::string_view script) {
    for (auto& line : platform::ParseScript(script)) {
      if (auto* record = std::get_if<console::InputRecord>(&line.item)) records_.push_back(*record);
    }
  }
  size_t pending() const { return records_.size(); }

  std::optional<console::InputRecord> Poll() override { return Wait(); }
  console::InputRecord Wait() override {
    ++waits;
    if (waits == fail_at_wait) throw std::runtime_error("input failed");
    if (waits == fail_for_user_at_wait) throw ports::FileError("cannot read design.bny");
    if (records_.empty()) throw ports::SessionEnd{0};
    if (on_wait) on_wait();
    console::InputRecord record = records_.front();
    records_.pop_front();
    return record;
  }
  void Sleep(int ms) override {
    if (on_pause) on_pause();
    slept_ms += ms;
  }
  void Beep() override { ++beeps; }
  void SetClipboard(std::string_view bytes) override {
    if (clipboard_fails) throw std::runtime_error("clipboard busy");
    clipboard = std::string(bytes);
  }
  void SetMouseTracking(bool on) override { tracking = on; }
  bool RequestSize(int rows, int cols) override {
    return accept_sizes && ports::ConsoleSizeIsUsable(rows, cols);
  }
  void ReportInternalError(std::string_view what) override { internal_errors.emplace_back(what); }
  std::string Today() override { return today; }
  void Finish() override {}

  std::function<void()> on_wait;   // before a record is handed out
  std::function<void()> on_pause;  // at every pause
  int waits = 0;
  int fail_at_wait = 0;  // this wait throws, as a failing command would (0: never)
  int fail_for_user_at_wait = 0;  // this wait fails as a file command meeting a bad file
  std::vector<std::string> internal_errors;
  int beeps = 0;
  int slept_ms = 0;
  bool tracking = false;
  bool accept_sizes = true;
  bool clipboard_fails = false;
  std::optional<std::string> clipboard;
  std::string today;

 private:
  std::deque<console::InputRecord> records_;
};

}  // namespace tessella::testing
