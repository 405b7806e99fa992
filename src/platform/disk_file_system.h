#pragma once
// The file system port on the real disk. Writes go through the one atomic writer.
#include "ports/file_system.h"

namespace tessella::platform {

class DiskFileSystem final : public ports::FileSystem {
 public:
  std::string Read(const std::string& path) override;
  void Write(const std::string& path, std::string_view bytes) override;
  bool Exists(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  std::vector<ports::FolderEntry> List(const std::string& folder) override;
  std::string CurrentFolder() override;
};

}  // namespace tessella::platform
