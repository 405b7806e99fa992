#pragma once
// A work screen with a known picture on it, driven by the real main loop from a replay
// script. Unlike a full replay run it skips the title and start-up, so a test can put
// cells and colours in place before the first event. The host records what the screen
// looked like at every pause and every wait, which is how the flash and the warning
// box are seen.
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/input.h"
#include "core/editor.h"
#include "app/main_loop.h"
#include "ports/host.h"
#include "platform/replay_script.h"
#include "fake_file_system.h"
#include "fake_host.h"

namespace tessella::testing {

// The displayed page as a screen image: character, attribute, row by row.
inline std::string DisplayedScreen(const console::Console& console) {
  std::string s;
  for (const auto& c : console.DisplayedCells()) {
    s += static_cast<char>(c.ch);
    s += static_cast<char>(c.attr);
  }
  return s;
}

// The fake host with the screen recorded at every pause and every wait.
struct BenchHost {
  explicit BenchHost(const console::Console& console) {
    host.on_wait = [this, &console] { at_wait.push_back(DisplayedScreen(console)); };
    host.on_pause = [this, &console] { at_pause.push_back(DisplayedScreen(console)); };
  }
  FakeHost host;
  std::vector<std::string> at_pause;  // the displayed page at each pause
  std::vector<std::string> at_wait;   // the displayed page whenever input was awaited
};

// A character and an attribute that differ from cell to cell and, over the work screen,
// take every byte value: 0, control characters, box drawing, shades.
inline std::uint8_t PatternChar(int row, int col) { return static_cast<std::uint8_t>(row * 90 + col); }
inline std::uint8_t PatternAttr(int row, int col) { return static_cast<std::uint8_t>(row * 7 + col * 3); }

struct AreaBench {
  console::Console console;
  BenchHost screens{console};
  FakeHost& host = screens.host;
  console::Input input{host};
  FakeFileSystem files;
  core::Editor ed{console, input, host, files};

  explicit AreaBench(int rows = 35, int cols = 90) : console(rows, cols) {
    console.SetColor(1, 15);
    console.Clear();
  }

  // Covers the work screen (every row but the toolbar line) with the pattern.
  void PaintPattern() {
    std::string records;
    for (int row = 1; row < console.rows(); ++row)
      for (int col = 1; col <= console.cols(); ++col)
        records += {static_cast<char>(PatternChar(row, col)), ' ',
                    static_cast<char>(PatternAttr(row, col)), ' '};
    console.WriteRegion(1, 1, console.rows() - 1, console.cols(), records);
  }

  // Runs passes of the main loop until the script is used up.
  void Run(std::string_view script) {
    host.Queue(script);
    try {
      for (;;) app::RunPass(ed);
    } catch (const ports::SessionEnd&) {
    }
  }

  // The work screen, rows 1..R-1, as a record image.
  std::string WorkScreen() const { return console.ReadRegion(1, 1, console.rows() - 1, console.cols()); }
  std::string Region(int top, int left, int bottom, int right) const {
    return console.ReadRegion(top, left, bottom, right);
  }
};

}  // namespace tessella::testing
