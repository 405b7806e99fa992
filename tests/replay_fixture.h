#pragma once
// Runs the whole program in-process from a replay script and keeps the session for
// inspection.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "app/replay_run.h"
#include "console/console.h"
#include "platform/replay_script.h"

namespace tessella::testing {

// The line that takes the program past the title picture to the work screen.
inline constexpr std::string_view kPastTitle = "key Space\n";

// A fresh, empty directory under the system's temporary directory.
inline std::filesystem::path FreshDir(const std::string& name) {
  auto dir = std::filesystem::temp_directory_path() / ("tessella-test-" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Replay {
  std::unique_ptr<app::Session> session;
  std::filesystem::path dumps;
  int status = -1;

  // Runs `script` (after the title, unless past_title is false) to its end. With a
  // dump_name the dump lines of the script are written to a fresh directory.
  explicit Replay(std::string_view script, bool past_title = true,
                  const std::string& dump_name = "") {
    std::string text = past_title ? std::string(kPastTitle) : std::string();
    text += script;
    if (!dump_name.empty()) dumps = FreshDir(dump_name);
    session = app::MakeReplaySession(platform::ParseScript(text), dumps);
    status = session->Run();
    EXPECT_EQ(host().internal_errors(), 0) << "a command failed inside the program";
  }

  console::Console& console() { return session->console(); }
  core::Editor& ed() { return session->editor(); }
  platform::ReplayHost& host() { return app::ReplayHostOf(*session); }

  console::Cell cell(int row, int col) { return console().AtDisplayed(row, col); }
  // The characters of one displayed row, columns from..to, as bytes.
  std::string text(int row, int from, int to) {
    std::string s;
    for (int c = from; c <= to; ++c) s += static_cast<char>(cell(row, c).ch);
    return s;
  }
  // One dump file's bytes, e.g. dump("mid", ".scr").
  std::string dump(const std::string& name, const std::string& ext) {
    return ReadFile(dumps / (name + ext));
  }
};

// Character and attribute of a cell in a .scr dump of a console `cols` wide.
inline std::pair<int, int> ScrCell(const std::string& scr, int cols, int row, int col) {
  const size_t at = 2 * (static_cast<size_t>(row - 1) * cols + (col - 1));
  return {static_cast<unsigned char>(scr.at(at)), static_cast<unsigned char>(scr.at(at + 1))};
}

}  // namespace tessella::testing
