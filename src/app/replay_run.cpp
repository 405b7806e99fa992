#include "app/replay_run.h"

namespace tessella::app {

std::unique_ptr<Session> MakeReplaySession(std::vector<platform::ScriptLine> script,
                                           const std::filesystem::path& dump_dir) {
  auto session = std::make_unique<Session>([&](const console::Console& console) {
    return std::make_unique<platform::ReplayHost>(console, std::move(script), dump_dir);
  });
  ReplayHostOf(*session).SetStatusSource(
      [ed = &session->editor()] { return StatusOf(*ed); });
  return session;
}

platform::ReplayHost& ReplayHostOf(Session& session) {
  return static_cast<platform::ReplayHost&>(session.host());
}

}  // namespace tessella::app
