#include "platform/atomic_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace tessella::platform {
namespace {

// Taken names in a row before giving up: random names collide only when someone
// plants them on purpose.
constexpr int kAttempts = 100;

std::string RandomName(int) {
  static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::string name = ".tessella-";
  for (int i = 0; i < 12; ++i) name += kChars[random() % (sizeof kChars - 1)];
  return name + ".tmp";
}

std::string Failure(const std::string& what, const std::filesystem::path& path, int error) {
  return "cannot " + what + " " + path.string() + ": " + std::strerror(error);
}

// Closes a descriptor when its scope ends.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting the error close(2) reports (a late write error on some
  // file systems).
  int Close() {
    const int result = close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// Holds back, while it lives, the signals that end a program on request (a kill, a
// closed terminal, Ctrl-C sent from outside): one that arrives during a write takes
// effect once the file is replaced or the temporary file removed, so none is left
// behind. The write is short; only SIGKILL and a power cut can still leave one.
class HeldSignals {
 public:
  HeldSignals() {
    sigset_t held;
    sigemptyset(&held);
    for (const int sig : {SIGHUP, SIGINT, SIGQUIT, SIGTERM}) sigaddset(&held, sig);
    pthread_sigmask(SIG_BLOCK, &held, &before_);
  }
  ~HeldSignals() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;

 private:
  sigset_t before_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                mode_t new_file_mode, const TemporaryNames& names) {
  const std::filesystem::path folder_path =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  const std::string name = path.filename().string();
  if (name.empty() || name == "." || name == "..") {
    return "cannot write " + path.string() + ": not a file name";
  }
  Descriptor folder(open(folder_path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() < 0) return Failure("open the folder", folder_path, errno);

  // The mode to give the new file: the old file's, when there is one.
  mode_t mode = new_file_mode & 0777;
  struct stat old {};
  if (fstatat(folder.get(), name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode)) {
    mode = old.st_mode & 0777;
  }

  const HeldSignals held;
  // Created exclusively, and private until it has its final mode.
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < kAttempts && fd < 0; ++attempt) {
    temp = names ? names(attempt) : RandomName(attempt);
    fd = openat(folder.get(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                S_IRUSR | S_IWUSR);
    if (fd < 0 && errno != EEXIST) return Failure("create a file in", folder_path, errno);
  }
  if (fd < 0) return Failure("create a file in", folder_path, EEXIST);
  Descriptor file(fd);

  auto abandon = [&](const std::string& what, int error) {
    unlinkat(folder.get(), temp.c_str(), 0);
    return Failure(what, path, error);
  };
  if (!WriteAll(file.get(), bytes)) return abandon("write", errno);
  if (fsync(file.get()) != 0) return abandon("write", errno);
  if (fchmod(file.get(), mode) != 0) return abandon("set the mode of", errno);
  if (file.Close() != 0) return abandon("write", errno);
  if (renameat(folder.get(), temp.c_str(), folder.get(), name.c_str()) != 0) {
    return abandon("replace", errno);
  }
  // Some file systems cannot flush a folder (EINVAL); the rename stands all the same.
  if (fsync(folder.get()) != 0 && errno != EINVAL) {
    return Failure("flush the folder of", path, errno);
  }
  return {};
}

mode_t DefaultNewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace tessella::platform
