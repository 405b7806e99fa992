#pragma once
// tessella render IN -o OUT.png [--page N] [--pages N] [--width N]: a PNG picture of a
// file's cells through libansilove.
#include <string>
#include <vector>

namespace tessella::app {

// Runs the command on the arguments after "render"; returns the exit status (0, 1 when
// a file cannot be read, drawn or written, 2 for a wrong command line or a build
// without libansilove). Pages are the console's pages of 34 rows: --page N alone draws
// page N, --pages N alone the first N pages; without either the whole file is drawn.
int RunRender(const std::vector<std::string>& args);

}  // namespace tessella::app
