#pragma once
// Dump files of a replay run: the displayed page as text and as a screen image, the
// editor's state, and the last clipboard hand-off.
#include <filesystem>
#include <optional>
#include <string>

#include "console/console.h"
#include "ports/host.h"

namespace tessella::platform {

struct DumpContent {
  const console::Console* console = nullptr;
  ports::EditorStatus status;
  int beeps = 0;
  std::optional<std::string> clipboard;  // absent when nothing was handed over
};

// The displayed page: R lines of C glyphs in UTF-8, each ended by LF.
std::string DumpText(const console::Console& console);
// The displayed page as a screen image: character then attribute, row by row.
std::string DumpScreenImage(const console::Console& console);
// key=value lines.
std::string DumpState(const DumpContent& content);

// Writes NAME.txt, NAME.scr, NAME.state and (when there is one) NAME.clip into dir.
// Throws std::runtime_error when a file cannot be written.
void WriteDump(const std::filesystem::path& dir, const std::string& name, const DumpContent& content);

}  // namespace tessella::platform
