#pragma once
// Replay scripts: one input record per line, or a request to write a dump.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "console/input_record.h"

namespace tessella::platform {

struct DumpRequest {
  std::string name;
};

struct ScriptLine {
  int line_number = 0;
  std::variant<console::InputRecord, DumpRequest> item;
};

// A line that cannot be read; what() names the line.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses a whole script. Blank lines and lines starting with '#' are skipped.
std::vector<ScriptLine> ParseScript(std::string_view text);

// The key record a key name stands for (Enter, Esc, F1, Alt-X, ...), if any.
std::optional<console::KeyRecord> NamedKey(std::string_view name);

}  // namespace tessella::platform
