#pragma once
// tessella convert IN OUT [--width N] [--pages N]: any kind of file Tessella reads into
// any kind it writes, by the names' extensions.
#include <string>
#include <vector>

namespace tessella::app {

// Runs the command on the arguments after "convert"; returns the exit status (0, 1 when
// a file cannot be read or written, 2 for a wrong command line). Nothing is written
// unless the whole conversion succeeds.
int RunConvert(const std::vector<std::string>& args);

}  // namespace tessella::app
