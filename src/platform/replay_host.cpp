#include "platform/replay_host.h"

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
  WriteDump(dump_dir_, name, content);
}

void ReplayHost::DumpsBeforeNextRecord() {
  while (next_ < script_.size()) {
    const auto* dump = std::get_if<DumpRequest>(&script_[next_].item);
    if (!dump) return;
    Dump(dump->name);
    ++next_;
  }
  // The script is used up and the program asks for more.
  throw SessionEnd{0};
}

std::optional<console::InputRecord> ReplayHost::Poll() {
  DumpsBeforeNextRecord();
  return std::get<console::InputRecord>(script_[next_++].item);
}

console::InputRecord ReplayHost::Wait() { return *Poll(); }

bool ReplayHost::RequestSize(int rows, int cols) {
  return ConsoleSizeIsUsable(rows, cols);
}

void ReplayHost::Finish() {
  if (finished_) return;
  finished_ = true;
  Dump("final");
}

}  // namespace tessella::platform
