// Undo and redo against a reference: a random session of editing commands, undos and
// redos must leave the same document, every page of it, as a session of only the
// commands that led to the state it ended in.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "replay_fixture.h"

namespace tessella {
namespace {

using testing::Replay;

// One editing command as script lines, in the typing colours it needs.
struct Command {
  std::string lines;
  int tx = 1;
  int bg = 15;
};

// The document a session stands at: the commands that made it, and the row at the top.
struct State {
  std::vector<Command> path;
  int current = 0;
};

// A session's script: each command after the F3 and F4 presses that give its colours.
std::string ScriptOf(const std::vector<Command>& commands) {
  std::string script;
  int tx = 1;
  int bg = 15;
  for (const Command& c : commands) {
    for (; tx != c.tx; tx = (tx + 1) % 16) script += "key F3\n";
    for (; bg != c.bg; bg = (bg + 1) % 16) script += "key F4\n";
    script += c.lines;
  }
  // The page on display into the document, and back to the top through every page.
  script += "key PgDn\n";
  for (int i = 0; i < 12; ++i) script += "key PgUp\n";
  return script;
}

class RandomSession {
 public:
  explicit RandomSession(unsigned session_number) : rng_(session_number) {}

  // Adds one random step to the session and keeps the reference in step.
  void Step() {
    const int kind = Pick(20);
    if (kind < 3) return Undo();
    if (kind < 5) return Redo();
    const auto at = [this](int lo, int hi) { return lo + Pick(hi - lo + 1); };
    const auto click2 = [](int r, int c) {
      const std::string click = "click " + std::to_string(r) + " " + std::to_string(c) + "\n";
      return click + click;
    };
    const int r = at(1, 34);
    const int c = at(1, 90);
    Command cmd{"", Pick(16), Pick(16)};
    const State before = now_;
    int pushes = 1;  // the click that places the cursor
    switch (kind) {
      case 5:
      case 6:
      case 7: {  // typing, now and then on the last cell, which scrolls
        const std::string text = "ab" + std::to_string(Pick(1000));
        const bool last = Pick(6) == 0;
        const int row = last ? 34 : r;
        const int col = last ? 88 : c;
        cmd.lines = click2(row, col) + "type " + text + "\n";
        if (row == 34 && col + static_cast<int>(text.size()) > 90) ++now_.current;
        break;
      }
      case 8:
      case 9:  // Enter: a row inserted at column 1, else a new line
        cmd.lines = click2(r, kind == 8 ? 1 : c) + "key Enter\n";
        pushes = 2;
        if (kind == 9 && r == 34 && c > 1) ++now_.current;
        break;
      case 10:  // Del at column 1: the rows below move up
        cmd.lines = click2(r, 1) + "key Del\n";
        pushes = 2;
        break;
      case 11: {  // Cut, Color or Copy on the toolbar, the copy pasted elsewhere
        constexpr int kTool[] = {14, 19, 3};
        const int tool = Pick(3);
        cmd.lines = "click " + std::to_string(r) + " " + std::to_string(c) + "\nclick " +
                    std::to_string(at(r, 34)) + " " + std::to_string(at(c, 90)) + "\nclick 35 " +
                    std::to_string(kTool[tool]) + "\n";
        if (tool == 2) cmd.lines += "key Right\nkey Right\nkey F10\n";
        break;
      }
      case 12: {  // a raised or sunken box from the menu
        cmd.lines = "click " + std::to_string(std::min(r, 30)) + " " +
                    std::to_string(std::min(c, 80)) + "\nclick 33 88\nrclick 20 20\nkey Right\n";
        for (int i = Pick(14); i >= 0; --i) cmd.lines += "key Down\n";
        cmd.lines += "key Enter\n";
        break;
      }
      case 13: {  // lines drawn with the arrow keys
        cmd.lines = "key Esc\n" + click2(at(3, 29), at(3, 80)) + "click 35 43\n";
        for (int i = 0; i < 4; ++i)
          cmd.lines += std::string(Pick(2) ? "key Right\n" : "key Down\n");
        cmd.lines += "key Esc\n";
        break;
      }
      case 14:  // the ASCII button pushes the picture again, then a character is picked
        cmd.lines =
            click2(r, c) + "click 35 86\nclick " + std::to_string(at(2, 22)) + " 10\nkey Esc\n";
        pushes = 2;
        break;
      case 15:  // Clear pushes nothing
        cmd.lines = "key F11\n";
        pushes = 0;
        break;
      case 16:
      case 17:  // now and then a page move or the scroll of Down: both lists empty
        if (Pick(3) != 0) {
          cmd.lines = click2(r, c) + "key Backspace\n";
          break;
        }
        if (kind == 16 && now_.current < 4 * 34) {
          cmd.lines = "key PgDn\n";
          now_.current += 34;
        } else if (kind == 17 && now_.current > 0) {
          cmd.lines = "key PgUp\n";
          now_.current = now_.current > 34 ? now_.current - 34 : 0;
        } else {
          cmd.lines = click2(34, c) + "key Down\n";
          ++now_.current;
        }
        undo_.clear();
        redo_.clear();
        pushes = 0;
        break;
      default:  // Backspace
        cmd.lines = click2(r, c) + "key Backspace\n";
        break;
    }
    for (int i = 0; i < pushes; ++i) Push(before);
    tx_ = cmd.tx;
    bg_ = cmd.bg;
    session_.push_back(cmd);
    now_.path.push_back(cmd);
  }

  // Many undos in a row, past the 21 kept, and some redos after them.
  void UndoAll() {
    for (int i = 0; i < 23; ++i) Undo();
    for (int i = Pick(8); i > 0; --i) Redo();
  }

  const std::vector<Command>& session() const { return session_; }
  const std::vector<Command>& reference() const { return now_.path; }

 private:
  int Pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
  void Push(const State& before) {
    undo_.insert(undo_.begin(), before);
    if (undo_.size() > 21) undo_.pop_back();
  }
  // Undo and redo keep the typing colours as they stand.
  void Add(std::string lines) { session_.push_back(Command{std::move(lines), tx_, bg_}); }
  void Undo() {
    Add(Pick(2) ? "key Alt-U\n" : "click 35 82\n");
    if (undo_.empty()) return;
    redo_.push_back(now_);
    if (redo_.size() > 21) redo_.erase(redo_.begin());
    now_ = undo_.front();
    undo_.erase(undo_.begin());
  }
  void Redo() {
    Add(Pick(2) ? "key Alt-V\n" : "rclick 35 82\n");
    if (redo_.empty()) return;
    now_ = redo_.back();
    redo_.pop_back();
  }

  std::mt19937 rng_;
  int tx_ = 1;
  int bg_ = 15;
  std::vector<Command> session_;
  State now_;
  std::vector<State> undo_;  // newest first
  std::vector<State> redo_;  // top last
};

TEST(UndoRandom, EveryPageIsAsTheCommandsLeadingToTheStateLeftIt) {
  for (unsigned number = 1; number <= 12; ++number) {
    RandomSession s(number);
    for (int i = 0; i < 60; ++i) s.Step();
    s.UndoAll();
    Replay session(ScriptOf(s.session()));
    Replay reference(ScriptOf(s.reference()));
    for (int row = 0; row < 6 * 34; ++row) {
      ASSERT_EQ(session.ed().doc.store.row(row), reference.ed().doc.store.row(row))
          << "session " << number << ", document row " << row;
    }
  }
}

}  // namespace
}  // namespace tessella
