#include "platform/disk_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"

namespace tessella::platform {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
  throw ports::FileError(what + " " + path + ": " + std::strerror(error));
}


}  // namespace

std::string DiskFileSystem::Read(const std::string& path) {
  // Not blocking: a pipe with no writer would otherwise hold the program at the open.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) Fail("cannot read", path, errno);
  struct stat st {};
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    const int error = S_ISDIR(st.st_mode) ? EISDIR : errno;
    close(fd);
    Fail("cannot read", path, error);
  }
  // Only files are read: a device or a pipe may never end (/dev/zero would fill the
  // memory) or never answer.
  if (!S_ISREG(st.st_mode)) {
    close(fd);
    throw ports::FileError("cannot read " + path + ": it is not a file");
  }
  std::string bytes;
  bytes.resize(static_cast<size_t>(std::max<off_t>(st.st_size, 0)));
  size_t got = 0;
  for (;;) {
    if (got == bytes.size()) bytes.resize(bytes.size() + 65536);  // a file still growing
    const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      close(fd);
      Fail("cannot read", path, error);
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  close(fd);
  bytes.resize(got);
  return bytes;
}

void DiskFileSystem::Write(const std::string& path, std::string_view bytes) {
  const std::string error = WriteFileAtomically(path, bytes, DefaultNewFileMode());
  if (!error.empty()) throw ports::FileError(error);
}

bool DiskFileSystem::Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

bool DiskFileSystem::IsFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

std::vector<ports::FolderEntry> DiskFileSystem::List(const std::string& folder) {
  std::error_code ec;
  std::vector<ports::FolderEntry> entries;
  fs::directory_iterator it(folder, ec);
  if (ec) throw ports::FileError("cannot list " + folder + ": " + ec.message());
  for (const auto& entry : it) {
    std::error_code type_ec;
    entries.push_back({entry.path().filename().string(), entry.is_directory(type_ec)});
  }
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  return entries;
}

std::string DiskFileSystem::CurrentFolder() {
  std::error_code ec;
  const fs::path here = fs::current_path(ec);
  return ec ? std::string(".") : here.string();
}

}  // namespace tessella::platform
