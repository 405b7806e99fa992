// The whole program on the real disk when the disk says no: a small tmpfs that fills up
// during a save, a folder bind-mounted read-only (root ignores file modes, a read-only
// mount it cannot), a file deleted while the chooser lists it. Nothing may be lost (the
// old file whole, no temporary file left), a message must say what happened, and the
// design on screen stays.
//
// The mounts are made in a mount namespace of the test's own, so none outlives the
// test, even one that crashes. Where the machine allows no mounting the cases that need
// it skip and say why.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/session.h"
#include "fake_host.h"
#include "platform/disk_file_system.h"
#include "replay_fixture.h"

namespace tessella {
namespace {

namespace fs = std::filesystem;

// Makes the process's mounts its own. Returns an empty string, or why it could not.
std::string PrivateMounts() {
  if (unshare(CLONE_NEWNS) != 0) return std::string("no mount namespace: ") + std::strerror(errno);
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    return std::string("mounts cannot be made private: ") + std::strerror(errno);
  return {};
}

void WriteDesign(const fs::path& folder, const std::string& bytes) {
  std::ofstream(folder / "DESIGN.BNA", std::ios::binary) << bytes;
}

// Each puts DESIGN.BNA with these bytes into `folder`, on a mount or on the plain disk.
// Returns an empty string, or why it could not.
using Place = std::string (*)(const fs::path& folder, const std::string& bytes);

std::string PlainFolder(const fs::path& folder, const std::string& bytes) {
  WriteDesign(folder, bytes);
  return {};
}

std::string SmallTmpfs(const fs::path& folder, const std::string& bytes) {
  if (mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
    return std::string("cannot mount a tmpfs: ") + std::strerror(errno);
  WriteDesign(folder, bytes);
  return {};
}

std::string ReadOnlyBind(const fs::path& folder, const std::string& bytes) {
  const fs::path source = folder.string() + "-source";
  fs::create_directories(source);
  WriteDesign(source, bytes);
  if (mount(source.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
      mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
    return std::string("cannot bind-mount read-only: ") + std::strerror(errno);
  return {};
}

struct Fault {
  const char* name;
  Place place;
  // Replay lines; FOLDER stands for the case's folder. At the line "# now" the fault
  // strikes (`now` runs) before the next key is read.
  const char* keys;
  std::function<void(const fs::path& folder)> now;
  const char* message;        // seen on screen while the program says what happened
  bool old_file_stays;        // DESIGN.BNA still holds its old bytes
  const char* design_shown;   // text on the screen at the end
};

const Fault kFaults[] = {
    {"DiskFullDuringSave", SmallTmpfs,
     // Ten pages (122,400 bytes) do not fit beside the old page in 64 KB.
     "key Alt-O\ntype FOLDER/DESIGN.BNA\nkey Enter\ntype kept design\n"
     "key PgDn\nkey PgDn\nkey PgDn\nkey PgDn\nkey PgDn\nkey PgDn\nkey PgDn\nkey PgDn\nkey PgDn\n"
     "type page ten\nkey Alt-S\n",
     nullptr, "DESIGN.BNA: No space left on device", true, "page ten"},
    {"ReadOnlyFolder", ReadOnlyBind,
     "key Alt-O\ntype FOLDER/DESIGN.BNA\nkey Enter\ntype kept design\nkey Alt-S\n", nullptr,
     ": Read-only file system", true, "kept design"},
    {"FileDeletedWhileListed", PlainFolder,
     "type kept design\nkey Alt-O\ntype FOLDER\nkey Enter\n# now\ntype DESIGN.BNA\nkey Enter\n"
     "key Esc\n",
     [](const fs::path& folder) { fs::remove(folder / "DESIGN.BNA"); }, "No such file: DESIGN.BNA",
     false, "kept design"},
};

void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.name; }

std::string Replace(std::string text, const std::string& what, const std::string& with) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

// The characters of the displayed page, row after row.
std::string ScreenText(const console::Console& console) {
  std::string text;
  for (const auto& cell : console.DisplayedCells()) text += static_cast<char>(cell.ch);
  return text;
}

class MountFaults : public ::testing::TestWithParam<Fault> {
 protected:
  void TearDown() override {
    if (base_.empty()) return;
    umount2((base_ / "case").c_str(), MNT_DETACH);
    fs::remove_all(base_);
  }
  fs::path base_;
};

TEST_P(MountFaults, NothingIsLostAndTheUserIsTold) {
  const Fault& fault = GetParam();
  if (fault.place != PlainFolder) {
    if (geteuid() != 0) GTEST_SKIP() << "mounting needs root";
    const std::string why = PrivateMounts();
    if (!why.empty()) GTEST_SKIP() << why;
  }
  // A short folder name, so that the message naming the file fits on the screen.
  base_ = fs::temp_directory_path() / ("tm" + std::to_string(getpid()));
  const fs::path folder = base_ / "case";
  fs::create_directories(folder);
  // One page of 34 x 90 cells, each its own character and colour.
  std::string old_bytes;
  for (int cell = 0; cell < 34 * 90; ++cell)
    old_bytes += {static_cast<char>(33 + cell % 90), ' ', static_cast<char>(cell % 251), ' '};
  const std::string why = fault.place(folder, old_bytes);
  if (!why.empty()) GTEST_SKIP() << why;
  const fs::path design = folder / "DESIGN.BNA";

  const std::string script = Replace(fault.keys, "FOLDER", folder.string());
  const size_t now_line = std::min(script.find("# now\n"), script.size());
  const std::string before = script.substr(0, now_line);
  const std::string after = script.substr(now_line);
  testing::FakeHost* host = nullptr;
  std::vector<std::string> screens;  // at every pause and wait
  app::Session session(
      [&](const console::Console& console) {
        auto made = std::make_unique<testing::FakeHost>();
        host = made.get();
        made->Queue(std::string(testing::kPastTitle) + before + after);
        // The fault strikes as the first key after "# now" is about to be read.
        const size_t strike_at = platform::ParseScript(after).size();
        made->on_wait = [&, strike_at] {
          screens.push_back(ScreenText(console));
          if (fault.now && host->pending() == strike_at) fault.now(folder);
        };
        made->on_pause = [&] { screens.push_back(ScreenText(console)); };
        return made;
      },
      std::make_unique<platform::DiskFileSystem>());
  EXPECT_EQ(session.Run(), 0);
  EXPECT_TRUE(host->internal_errors.empty()) << host->internal_errors.front();

  bool told = false;
  for (const std::string& screen : screens) told = told || screen.find(fault.message) != std::string::npos;
  EXPECT_TRUE(told) << "no screen said: " << fault.message;
  EXPECT_NE(ScreenText(session.console()).find(fault.design_shown), std::string::npos);

  std::set<std::string> left;
  for (const auto& entry : fs::directory_iterator(folder)) left.insert(entry.path().filename());
  if (fault.old_file_stays) {
    EXPECT_EQ(left, std::set<std::string>{"DESIGN.BNA"}) << "a temporary file was left";
    EXPECT_TRUE(testing::ReadFile(design) == old_bytes) << "the old file is not whole";
  } else {
    EXPECT_TRUE(left.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(RealDisk, MountFaults, ::testing::ValuesIn(kFaults),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

}  // namespace
}  // namespace tessella
