#pragma once
// One run of the program: the console, a host (terminal or replay), the file system,
// the input layer and the editor, wired together.
#include <functional>
#include <memory>

#include "console/console.h"
#include "console/input.h"
#include "core/editor.h"
#include "ports/file_system.h"
#include "ports/host.h"

namespace tessella::app {

class Session {
 public:
  using HostFactory = std::function<std::unique_ptr<ports::Host>(const console::Console&)>;

  // Without a file system the session works on the real disk.
  explicit Session(const HostFactory& make_host,
                   std::unique_ptr<ports::FileSystem> files = nullptr);

  // Runs start-up and the main loop until the session ends; the host is then finished.
  // Returns the exit status.
  int Run();

  console::Console& console() { return console_; }
  ports::Host& host() { return *host_; }
  ports::FileSystem& files() { return *files_; }
  core::Editor& editor() { return *editor_; }

 private:
  console::Console console_;
  std::unique_ptr<ports::Host> host_;
  std::unique_ptr<ports::FileSystem> files_;
  std::unique_ptr<console::Input> input_;
  std::unique_ptr<core::Editor> editor_;
};

// What a replay dump reports of the editor.
ports::EditorStatus StatusOf(const core::Editor& ed);

}  // namespace tessella::app
