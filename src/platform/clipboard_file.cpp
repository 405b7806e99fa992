#include "platform/clipboard_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tessella::platform {

std::string WriteClipboardFile(const std::string& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  std::error_code ec;
  if (target.has_parent_path()) {
    fs::create_directories(target.parent_path(), ec);
    if (ec) return "cannot create " + target.parent_path().string() + ": " + ec.message();
  }
  const std::string temp = path + ".tmp" + std::to_string(getpid());
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return "cannot write " + temp + ": " + std::strerror(errno);
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string error = std::strerror(errno);
      close(fd);
      unlink(temp.c_str());
      return "cannot write " + temp + ": " + error;
    }
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  if (close(fd) != 0) {
    const std::string error = std::strerror(errno);
    unlink(temp.c_str());
    return "cannot write " + temp + ": " + error;
  }
  if (rename(temp.c_str(), path.c_str()) != 0) {
    const std::string error = std::strerror(errno);
    unlink(temp.c_str());
    return "cannot replace " + path + ": " + error;
  }
  return {};
}

}  // namespace tessella::platform
