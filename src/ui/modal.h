#pragma once
// What a modal screen (menu, dialog box, picker, prompt) works with: the console it
// draws on, the input it reads and the host for pauses and beeps. Never the editor
// state: a modal screen returns what the user chose and the caller acts on it.
#include "console/console.h"
#include "console/input.h"
#include "ports/host.h"

namespace tessella::ui {

struct Modal {
  console::Console& console;
  console::Input& input;
  ports::Host& host;

  void Pause(int ms) const { host.Sleep(ms); }
  void Beep() const { host.Beep(); }
};

}  // namespace tessella::ui
