#pragma once
// What the file benchmarks drive the commands with: a host that hands out the input
// records of replay script lines and then ends the session, and the file system of a
// run: in memory (the folder /bench, the commands' own work) or a fresh folder on the
// disk (temporary file, fsync, rename).
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/disk_file_system.h"
#include "platform/replay_script.h"
#include "ports/file_system.h"
#include "ports/host.h"

namespace tessella::bench {

class ScriptHost final : public ports::Host {
 public:
  void Queue(std::string_view script) {
    for (const auto& line : platform::ParseScript(script))
      if (const auto* record = std::get_if<console::InputRecord>(&line.item)) records_.push_back(*record);
  }
  // A name typed into a prompt and taken with Enter.
  void Type(const std::string& text) { Queue("type " + text + "\nkey Enter\n"); }
  std::optional<console::InputRecord> Poll() override { return Wait(); }
  console::InputRecord Wait() override {
    if (records_.empty()) throw ports::SessionEnd{0};
    const console::InputRecord next = records_.front();
    records_.pop_front();
    return next;
  }
  void Sleep(int) override {}
  void Beep() override {}
  void SetClipboard(std::string_view) override {}
  void SetMouseTracking(bool) override {}
  bool RequestSize(int rows, int cols) override { return ports::ConsoleSizeIsUsable(rows, cols); }
  void Finish() override {}

 private:
  std::deque<console::InputRecord> records_;
};

class MemoryFiles final : public ports::FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::string Read(const std::string& path) override { return files.at(path); }
  void Write(const std::string& path, std::string_view bytes) override { files[path] = bytes; }
  bool Exists(const std::string& path) override { return files.count(path) > 0; }
  bool IsFolder(const std::string& path) override { return path == "/bench"; }
  std::vector<ports::FolderEntry> List(const std::string&) override {
    std::vector<ports::FolderEntry> out;
    for (const auto& [path, bytes] : files) out.push_back({path.substr(7), false});
    return out;
  }
  std::string CurrentFolder() override { return "/bench"; }
};

// The file system for a run: in memory, or a fresh folder on the disk.
struct Place {
  explicit Place(bool disk_wanted) : on_disk(disk_wanted) {
    if (on_disk) {
      folder = std::filesystem::temp_directory_path() / ("tessella-bench-" + std::to_string(getpid()));
      std::filesystem::create_directories(folder);
    }
  }
  ~Place() {
    if (on_disk) std::filesystem::remove_all(folder);
  }
  Place(const Place&) = delete;
  Place& operator=(const Place&) = delete;
  ports::FileSystem& fs() { return on_disk ? static_cast<ports::FileSystem&>(disk) : memory; }
  std::string Path(const std::string& name) const {
    return on_disk ? (folder / name).string() : "/bench/" + name;
  }
  bool on_disk;
  std::filesystem::path folder;
  MemoryFiles memory;
  platform::DiskFileSystem disk;
};

}  // namespace tessella::bench
