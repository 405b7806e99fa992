// tessella: a designer for text-mode screens in the terminal.
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "app/art_command_line.h"
#include "app/clipboard_path.h"
#include "app/convert_command.h"
#include "app/render_command.h"
#include "app/replay_run.h"
#include "platform/replay_script.h"
#include "platform/terminal_host.h"

namespace {

constexpr std::string_view kUsage =
    "usage: tessella                          design screens in this terminal\n"
    "       tessella --replay SCRIPT --dump DIR\n"
    "                                         run SCRIPT's input records without a\n"
    "                                         terminal and write dumps into DIR\n"
    "       tessella --help | --version\n";

int Usage(std::string_view problem) {
  std::cerr << "tessella: " << problem << "\n" << kUsage << tessella::app::ArtCommandsHelp();
  return 2;
}

int RunReplay(const std::string& script_path, const std::string& dump_dir) {
  std::string text;
  try {
    text = tessella::platform::ReadScriptFile(script_path);
  } catch (const tessella::platform::ScriptError& e) {
    std::cerr << "tessella: " << e.what() << "\n";
    return 2;
  }
  std::vector<tessella::platform::ScriptLine> script;
  try {
    script = tessella::platform::ParseScript(text);
  } catch (const tessella::platform::ScriptError& e) {
    std::cerr << "tessella: " << script_path << ": " << e.what() << "\n";
    return 2;
  }
  try {
    auto session = tessella::app::MakeReplaySession(std::move(script), dump_dir);
    return session->Run();
  } catch (const std::exception& e) {
    std::cerr << "tessella: " << e.what() << "\n";
    return 1;
  }
}

int RunTerminal() {
  // The session (and with it the terminal's modes) is gone before the message is
  // written, so the user reads it in the shell's own screen.
  try {
    tessella::app::Session session([](const tessella::console::Console& console) {
      return std::make_unique<tessella::platform::TerminalHost>(console,
                                                                tessella::app::ClipboardPath());
    });
    return session.Run();
  } catch (const std::exception& e) {
    std::cerr << "tessella: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && (std::string_view(argv[1]) == "convert" || std::string_view(argv[1]) == "render")) {
    const std::vector<std::string> args(argv + 2, argv + argc);
    return std::string_view(argv[1]) == "convert" ? tessella::app::RunConvert(args)
                                                  : tessella::app::RunRender(args);
  }
  std::string replay;
  std::string dump;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage << tessella::app::ArtCommandsHelp();
      return 0;
    }
    if (arg == "--version") {
      std::cout << "tessella " << TESSELLA_VERSION << "\n";
      return 0;
    }
    if ((arg == "--replay" || arg == "--dump") && i + 1 < argc) {
      (arg == "--replay" ? replay : dump) = argv[++i];
      continue;
    }
    return Usage("unknown or incomplete argument: " + std::string(arg));
  }
  if (!replay.empty() || !dump.empty()) {
    if (replay.empty() || dump.empty()) return Usage("--replay and --dump go together");
    return RunReplay(replay, dump);
  }
  return RunTerminal();
}
