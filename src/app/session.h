#pragma once
// One run of the program: the console, a host (terminal or replay), the input layer and
// the editor, wired together.
#include <functional>
#include <memory>

#include "console/console.h"
#include "console/input.h"
#include "editor/editor.h"
#include "platform/host.h"

namespace tessella::app {

class Session {
 public:
  using HostFactory = std::function<std::unique_ptr<platform::Host>(const console::Console&)>;

  explicit Session(const HostFactory& make_host);

  // Runs start-up and the main loop until the session ends; the host is then finished.
  // Returns the exit status.
  int Run();

  console::Console& console() { return console_; }
  platform::Host& host() { return *host_; }
  editor::Editor& editor() { return *editor_; }

 private:
  console::Console console_;
  std::unique_ptr<platform::Host> host_;
  std::unique_ptr<console::Input> input_;
  std::unique_ptr<editor::Editor> editor_;
};

// What a replay dump reports of the editor.
platform::EditorStatus StatusOf(const editor::Editor& ed);

}  // namespace tessella::app
