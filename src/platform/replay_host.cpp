#include "platform/replay_host.h"

#include <iostream>

#include "platform/console_fit.h"
#include "platform/dump_writer.h"

namespace tessella::platform {

ReplayHost::ReplayHost(const console::Console& console, std::vector<ScriptLine> script,
                       std::filesystem::path dump_dir)
    : console_(console), script_(std::move(script)), dump_dir_(std::move(dump_dir)) {}

void ReplayHost::Dump(const std::string& name) {
  if (dump_dir_.empty()) return;
  DumpContent content;
  content.console = &console_;
  if (status_) content.status = status_();
  content.beeps = beeps_;
  content.clipboard = clipboard_;
  try {
    WriteDump(dump_dir_, name, content);
  } catch (const std::exception& e) {
    throw ports::HostError("cannot write the dump " + name + " in " + dump_dir_.string() + ": " +
                    e.what());
  }
}

void ReplayHost::DumpsBeforeNextRecord() {
  while (next_ < script_.size()) {
    const auto* dump = std::get_if<DumpRequest>(&script_[next_].item);
    if (!dump) return;
    Dump(dump->name);
    ++next_;
  }
  // The script is used up and the program asks for more.
  throw ports::SessionEnd{0};
}

std::optional<console::InputRecord> ReplayHost::Poll() {
  // A click beyond the console has no cell under it, as in the terminal: it is dropped.
  for (;;) {
    DumpsBeforeNextRecord();
    const auto& record = std::get<console::InputRecord>(script_[next_++].item);
    if (auto fitted = FitToConsole(record, console_.rows(), console_.cols())) return fitted;
  }
}

console::InputRecord ReplayHost::Wait() { return *Poll(); }

bool ReplayHost::RequestSize(int rows, int cols) {
  return ports::ConsoleSizeIsUsable(rows, cols);
}

void ReplayHost::ReportInternalError(std::string_view what) {
  ++internal_errors_;
  std::cerr << "tessella: internal error (the command was abandoned): " << what << "\n";
}

void ReplayHost::Finish() {
  if (finished_) return;
  finished_ = true;
  Dump("final");
}

}  // namespace tessella::platform
