#pragma once
// Runs the whole program from a replay script.
#include <filesystem>
#include <string_view>

#include "app/session.h"
#include "platform/replay_host.h"

namespace tessella::app {

// A session whose host replays `script` (already parsed) and dumps into dump_dir
// (empty: no dump files).
std::unique_ptr<Session> MakeReplaySession(std::vector<platform::ScriptLine> script,
                                           const std::filesystem::path& dump_dir);

// The replay host of a session made by MakeReplaySession.
platform::ReplayHost& ReplayHostOf(Session& session);

}  // namespace tessella::app
