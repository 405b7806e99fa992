#include "app/render_command.h"

#include <algorithm>
#include <iostream>

#include "app/art_command_line.h"
#include "files/art_render.h"

namespace tessella::app {
namespace {

void Render(const std::vector<std::string>& args) {
  if (!files::CanRender()) {
    throw CommandFailure{kWrongCommandLine,
                         "render is not in this build (libansilove was not installed when "
                         "Tessella was built)"};
  }
  const ArtArguments parsed = ParseArtArguments(args, {"--page", "--pages", "--width"}, true);
  if (parsed.files.size() != 1) throw CommandFailure{kWrongCommandLine, "render wants one IN file"};
  if (parsed.output.empty()) throw CommandFailure{kWrongCommandLine, "render wants -o OUT.png"};
  const std::string& in_path = parsed.files[0];
  const files::ArtFormat& in = ReadableFormat(in_path);
  const auto number = [&parsed](const char* name) {
    return parsed.numbers.contains(name) ? parsed.numbers.at(name) : 0;
  };

  files::ArtDocument doc = LoadArt(in_path, in, number("--width"));
  const int page = number("--page"), pages = number("--pages");
  if (page > 0 || pages > 0) {
    const int first_row = (std::max(page, 1) - 1) * PageRows() + 1;
    if (first_row > doc.cells.height()) {
      const int have = (doc.cells.height() + PageRows() - 1) / PageRows();
      throw CommandFailure{kCommandFailed, in_path + ": has " + std::to_string(have) +
                                               (have == 1 ? " page" : " pages") + " of " +
                                               std::to_string(PageRows()) + " rows, no page " +
                                               std::to_string(page)};
    }
    doc = files::SliceRows(doc, first_row, std::max(pages, 1) * PageRows());
  }
  std::string png;
  try {
    png = files::RenderPng(doc);
  } catch (const files::ArtError& e) {
    const bool paged = doc.cells.height() > PageRows();
    throw CommandFailure{kCommandFailed, in_path + ": " + e.what() +
                                             (paged ? "; --page and --pages draw a part" : "")};
  }
  SaveFile(parsed.output, png);
}

}  // namespace

int RunRender(const std::vector<std::string>& args) { return RunArtCommand(Render, args); }

}  // namespace tessella::app
