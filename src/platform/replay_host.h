#pragma once
// The replay front end: input records from a script, no terminal, no real waiting, a
// memory clipboard, and dumps of the console on request.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "ports/host.h"
#include "platform/replay_script.h"

namespace tessella::platform {

class ReplayHost final : public ports::Host {
 public:
  // dump_dir may be empty: dumps are then not written (tests that look at the state
  // directly).
  ReplayHost(const console::Console& console, std::vector<ScriptLine> script,
             std::filesystem::path dump_dir);

  // Where the dumps get the editor's cursor, colours, page and file name from.
  void SetStatusSource(std::function<ports::EditorStatus()> source) { status_ = std::move(source); }

  std::optional<console::InputRecord> Poll() override;
  console::InputRecord Wait() override;
  void Sleep(int milliseconds) override { slept_ms_ += milliseconds; }
  void Beep() override { ++beeps_; }
  void SetClipboard(std::string_view bytes) override { clipboard_ = std::string(bytes); }
  void SetMouseTracking(bool on) override { tracking_ = on; }
  bool RequestSize(int rows, int cols) override;
  void ReportInternalError(std::string_view what) override;
  void Finish() override;

  int beeps() const { return beeps_; }
  int internal_errors() const { return internal_errors_; }
  long long slept_ms() const { return slept_ms_; }
  bool tracking() const { return tracking_; }
  const std::optional<std::string>& clipboard() const { return clipboard_; }
  // Records not yet read.
  size_t pending() const { return script_.size() - next_; }

 private:
  // Writes the dumps that stand before the next record; ends the session when the
  // script is used up.
  void DumpsBeforeNextRecord();
  void Dump(const std::string& name);

  const console::Console& console_;
  std::vector<ScriptLine> script_;
  size_t next_ = 0;
  std::filesystem::path dump_dir_;
  std::function<ports::EditorStatus()> status_;
  std::optional<std::string> clipboard_;
  int beeps_ = 0;
  int internal_errors_ = 0;
  long long slept_ms_ = 0;
  bool tracking_ = false;
  bool finished_ = false;
};

}  // namespace tessella::platform
