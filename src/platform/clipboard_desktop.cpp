#include "platform/clipboard_desktop.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace tessella::platform {
namespace {

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return false;
  const std::string_view all(path);
  std::size_t start = 0;
  while (start <= all.size()) {
    std::size_t end = all.find(':', start);
    if (end == std::string_view::npos) end = all.size();
    // An empty entry is the current directory.
    std::string file(end == start ? std::string_view(".") : all.substr(start, end - start));
    file += '/';
    file += program;
    if (access(file.c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

bool Set(const EnvLookup& env, const char* name) {
  const char* value = env(name);
  return value != nullptr && *value != '\0';
}

using Clock = std::chrono::steady_clock;

int MillisLeft(Clock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Sends all bytes before the deadline; false when the reader went away or was too slow.
bool SendAll(int fd, std::string_view bytes, Clock::time_point deadline) {
  while (!bytes.empty()) {
    // MSG_NOSIGNAL: a program that exits early must not kill this one with SIGPIPE.
    const ssize_t n = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      pollfd p{fd, POLLOUT, 0};
      const int left = MillisLeft(deadline);
      if (left == 0 || poll(&p, 1, left) <= 0) return false;
      continue;
    }
    return false;
  }
  return true;
}

}  // namespace

std::string DesktopClipboardText(std::string_view bytes) {
  std::string text(bytes);
  std::replace(text.begin(), text.end(), '\0', ' ');
  return text;
}

std::vector<std::string> ChooseClipboardCommand(const EnvLookup& env,
                                                const ProgramLookup& installed) {
  if (Set(env, "WAYLAND_DISPLAY") && installed("wl-copy")) return {"wl-copy"};
  if (Set(env, "DISPLAY")) {
    if (installed("xclip")) return {"xclip", "-selection", "clipboard", "-in"};
    if (installed("xsel")) return {"xsel", "--clipboard", "--input"};
  }
  return {};
}

std::vector<std::string> DesktopClipboardCommand() {
  return ChooseClipboardCommand([](const char* name) { return std::getenv(name); }, OnPath);
}

bool RunClipboardCommand(const std::vector<std::string>& argv, std::string_view bytes,
                         int timeout_ms) {
  if (argv.empty()) return false;
  // Everything the child needs is built before fork: after it, the child may only
  // make async-signal-safe calls.
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  const int null_fd = open("/dev/null", O_RDWR | O_CLOEXEC);
  if (null_fd < 0) return false;
  // A socket rather than a pipe, so a send can refuse SIGPIPE (MSG_NOSIGNAL).
  int sv[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sv) != 0) {
    close(null_fd);
    return false;
  }
  const pid_t pid = fork();
  if (pid < 0) {
    close(sv[0]);
    close(sv[1]);
    close(null_fd);
    return false;
  }
  if (pid == 0) {
    setsid();
    dup2(sv[1], STDIN_FILENO);
    dup2(null_fd, STDOUT_FILENO);
    dup2(null_fd, STDERR_FILENO);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(sv[1]);
  close(null_fd);
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  fcntl(sv[0], F_SETFL, fcntl(sv[0], F_GETFL) | O_NONBLOCK);
  const bool sent = SendAll(sv[0], bytes, deadline);
  close(sv[0]);  // end of input

  int status = 0;
  while (true) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    if (done < 0 && errno != EINTR) return false;
    if (MillisLeft(deadline) == 0) {
      kill(pid, SIGKILL);
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return sent && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool TerminalMayTakeOsc52(const EnvLookup& env) {
  const char* term = env("TERM");
  if (term == nullptr) return false;
  const std::string_view t(term);
  // The Linux console and dumb terminals would show the request as text.
  return !t.empty() && t != "dumb" && t != "linux" && t.substr(0, 5) != "vt100";
}

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                       static_cast<unsigned char>(bytes[i + 1]) << 8 |
                       static_cast<unsigned char>(bytes[i + 2]);
    out += kDigits[v >> 18];
    out += kDigits[(v >> 12) & 63];
    out += kDigits[(v >> 6) & 63];
    out += kDigits[v & 63];
  }
  const std::size_t rest = bytes.size() - i;
  if (rest > 0) {
    unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
    if (rest == 2) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    out += kDigits[v >> 18];
    out += kDigits[(v >> 12) & 63];
    out += rest == 2 ? kDigits[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

std::string Osc52(std::string_view bytes) { return "\x1b]52;c;" + Base64(bytes) + "\a"; }

}  // namespace tessella::platform
