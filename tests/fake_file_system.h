#pragma once
// A file system in memory for tests, with failures on demand: a full disk, a folder
// that refuses writes, a file that vanishes between listing and reading.
#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "ports/file_system.h"

namespace tessella::testing {

class FakeFileSystem final : public ports::FileSystem {
 public:
  std::map<std::string, std::string> files;  // path -> bytes
  std::set<std::string> folders{"/work"};
  std::set<std::string> read_only_folders;  // writes into these fail
  long long free_bytes = -1;                // a write larger than this fails; -1: no limit
  std::set<std::string> vanishing;          // listed and there, but gone when read
  int writes = 0;

  std::string Read(const std::string& path) override {
    auto it = files.find(Absolute(path));
    if (it != files.end() && vanishing.count(it->first)) {
      files.erase(it);
      it = files.end();
    }
    if (it == files.end()) throw ports::FileError("cannot read " + path + ": No such file");
    return it->second;
  }
  void Write(const std::string& path, std::string_view bytes) override {
    const std::string p = Absolute(path);
    if (read_only_folders.count(Folder(p)))
      throw ports::FileError("cannot write " + path + ": Read-only file system");
    if (!folders.count(Folder(p))) throw ports::FileError("cannot write " + path + ": No such folder");
    if (free_bytes >= 0 && static_cast<long long>(bytes.size()) > free_bytes)
      throw ports::FileError("cannot write " + path + ": No space left on device");
    files[p] = std::string(bytes);
    ++writes;
  }
  bool Exists(const std::string& path) override {
    return files.count(Absolute(path)) || folders.count(Absolute(path));
  }
  bool IsFolder(const std::string& path) override { return folders.count(Absolute(path)) > 0; }
  std::vector<ports::FolderEntry> List(const std::string& folder) override {
    const std::string f = Absolute(folder);
    if (!folders.count(f)) throw ports::FileError("cannot list " + folder);
    std::vector<ports::FolderEntry> out;
    for (const auto& [p, bytes] : files)
      if (Folder(p) == f) out.push_back({p.substr(f.size() + 1), false});
    for (const auto& p : folders)
      if (p != f && Folder(p) == f) out.push_back({p.substr(f.size() + 1), true});
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return out;
  }
  std::string CurrentFolder() override { return "/work"; }

  std::string Absolute(const std::string& path) const {
    return !path.empty() && path[0] == '/' ? path : "/work/" + path;
  }
  static std::string Folder(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
  }
};

}  // namespace tessella::testing
