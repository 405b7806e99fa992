// Runs one scenario folder through `tessella --replay` and compares what the run left
// with the folder's expected files.
//
//   tessella_scenario TESSELLA_BINARY SCENARIO_DIR
//
// A scenario folder holds:
//   script     the replay script (it starts at the title picture)
//   setup/     optional: files copied into the run's working folder first
//   expect/    what the run must leave, file by file:
//                NAME.txt, NAME.state, NAME.scr   the dump NAME (`final` at the end)
//                NAME.clip.esc                    the dump's clipboard bytes, escaped
//                NAME.attr.hex                    the dump's attribute bytes, a row a line
//                files/PATH                       a file the run left in its folder
//                status                           the exit status, when not 0
// Nothing may appear on stderr. With TESSELLA_BLESS=1 the expected files that exist are
// rewritten from the run instead (and a missing expect/ is filled with final.txt,
// final.state and, when there was one, final.clip.esc).
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// Clipboard bytes as readable text: printable ASCII as it is, a backslash doubled, CR LF
// as "\r\n" and a line break, any other byte as \xHH.
std::string Escape(const std::string& bytes) {
  std::string out;
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      out += "\\r\\n\n";
      ++i;
    } else if (b == '\\') {
      out += "\\\\";
    } else if (b >= 32 && b < 127) {
      out += static_cast<char>(b);
    } else {
      out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 15];
    }
  }
  return out;
}

// The attribute bytes of a .scr dump as hex, one console row a line.
std::string AttributeRows(const std::string& scr, const std::string& state) {
  const size_t at = state.find("cols=");
  const size_t cols = at == std::string::npos ? 90 : std::stoul(state.substr(at + 5));
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (size_t cell = 0; 2 * cell + 1 < scr.size(); ++cell) {
    const auto attr = static_cast<unsigned char>(scr[2 * cell + 1]);
    out += kHex[attr >> 4];
    out += kHex[attr & 15];
    if ((cell + 1) % cols == 0) out += '\n';
  }
  return out;
}

// The line where two texts first differ, for the failure message.
std::string FirstDifference(const std::string& want, const std::string& got) {
  std::istringstream a(want), b(got);
  std::string la, lb;
  for (int line = 1;; ++line) {
    const bool more_a = static_cast<bool>(std::getline(a, la));
    const bool more_b = static_cast<bool>(std::getline(b, lb));
    if (!more_a && !more_b) return "the files differ in their last bytes";
    if (la != lb || more_a != more_b) {
      return "line " + std::to_string(line) + "\n  expected: " + (more_a ? la : "(end)") +
             "\n  actual:   " + (more_b ? lb : "(end)");
    }
  }
}

int Run(const std::string& binary, const fs::path& work, const fs::path& script,
        const fs::path& dumps, std::string& err) {
  const fs::path err_file = dumps / "stderr";
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(work.c_str()) != 0) _exit(127);
    if (!std::freopen(err_file.c_str(), "w", stderr)) _exit(127);
    if (!std::freopen("/dev/null", "w", stdout)) _exit(127);
    execl(binary.c_str(), binary.c_str(), "--replay", script.c_str(), "--dump", dumps.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  err = ReadBytes(err_file);
  fs::remove(err_file);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// What the run produced for one expected file's relative path, or nullopt-like "missing".
bool Actual(const fs::path& rel, const fs::path& dumps, const fs::path& work, int status,
            std::string& out) {
  const std::string name = rel.generic_string();
  if (name == "status") {
    out = std::to_string(status) + "\n";
    return true;
  }
  if (name.rfind("files/", 0) == 0) {
    const fs::path file = work / name.substr(6);
    if (!fs::exists(file)) return false;
    out = ReadBytes(file);
    return true;
  }
  const std::string esc = ".clip.esc";
  if (name.size() > esc.size() && name.compare(name.size() - esc.size(), esc.size(), esc) == 0) {
    const fs::path clip = dumps / (name.substr(0, name.size() - 4));
    if (!fs::exists(clip)) return false;
    out = Escape(ReadBytes(clip));
    return true;
  }
  const std::string hex = ".attr.hex";
  if (name.size() > hex.size() && name.compare(name.size() - hex.size(), hex.size(), hex) == 0) {
    const std::string dump = name.substr(0, name.size() - hex.size());
    if (!fs::exists(dumps / (dump + ".scr"))) return false;
    out = AttributeRows(ReadBytes(dumps / (dump + ".scr")), ReadBytes(dumps / (dump + ".state")));
    return true;
  }
  if (!fs::exists(dumps / rel)) return false;
  out = ReadBytes(dumps / rel);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tessella_scenario TESSELLA_BINARY SCENARIO_DIR\n";
    return 2;
  }
  const std::string binary = fs::absolute(argv[1]).string();
  const fs::path scenario = fs::absolute(argv[2]);
  const bool bless = std::getenv("TESSELLA_BLESS") != nullptr;
  const fs::path root = fs::temp_directory_path() /
                        ("tessella-scenario-" + scenario.filename().string() + "-" +
                         std::to_string(getpid()));
  const fs::path work = root / "work";
  const fs::path dumps = root / "dumps";
  fs::remove_all(root);
  fs::create_directories(work);
  fs::create_directories(dumps);
  if (fs::exists(scenario / "setup"))
    fs::copy(scenario / "setup", work, fs::copy_options::recursive);

  std::string err;
  const int status = Run(binary, work, scenario / "script", dumps, err);
  int failures = 0;
  if (!err.empty() && !fs::exists(scenario / "expect" / "stderr")) {
    std::cerr << scenario.filename().string() << ": the run wrote to stderr:\n" << err;
    ++failures;
  }

  const fs::path expect = scenario / "expect";
  if (bless && !fs::exists(expect)) {
    for (const char* name : {"final.txt", "final.state", "final.clip.esc"}) {
      std::string actual;
      if (Actual(name, dumps, work, status, actual)) WriteBytes(expect / name, actual);
    }
  }
  bool any = false;
  if (fs::exists(expect)) {
    for (const auto& entry : fs::recursive_directory_iterator(expect)) {
      if (!entry.is_regular_file()) continue;
      any = true;
      const fs::path rel = fs::relative(entry.path(), expect);
      std::string actual;
      const bool present = Actual(rel, dumps, work, status, actual);
      if (bless) {
        if (present) WriteBytes(entry.path(), actual);
        continue;
      }
      if (!present) {
        std::cerr << scenario.filename().string() << ": the run left no " << rel << "\n";
        ++failures;
        continue;
      }
      const std::string want = rel == "stderr" ? err : ReadBytes(entry.path());
      if (rel != "stderr" && want != actual) {
        std::cerr << scenario.filename().string() << ": " << rel.string() << " differs at "
                  << FirstDifference(want, actual) << "\n";
        ++failures;
      }
    }
  }
  if (!any && !bless) {
    std::cerr << scenario.filename().string() << ": nothing expected (bless it first)\n";
    ++failures;
  }
  if (!fs::exists(expect / "status") && status != 0) {
    std::cerr << scenario.filename().string() << ": exit status " << status << "\n";
    ++failures;
  }
  if (failures == 0) fs::remove_all(root);
  else std::cerr << "(the run's files are in " << root.string() << ")\n";
  return failures == 0 ? 0 : 1;
}
