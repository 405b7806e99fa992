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
  bool operator==(const DumpRequest&) const = default;
};

struct ScriptLine {
  int line_number = 0;
  std::variant<console::InputRecord, DumpRequest> item;
};

// A script or a line of it that cannot be read; what() names the file or the line.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The bytes of the script file at path. Throws ScriptError, with the reason, when it
// cannot be read: missing, a folder, not permitted.
std::string ReadScriptFile(const std::string& path);

// Parses a whole script. Blank lines and lines starting with '#' are skipped. An error
// quotes the bad line's first 80 characters, control bytes and bytes that are not
// UTF-8 written as \xNN.
std::vector<ScriptLine> ParseScript(std::string_view text);

// The key record a key name stands for (Enter, Esc, F1, Alt-X, ...), if any.
std::optional<console::KeyRecord> NamedKey(std::string_view name);

}  // namespace tessella::platform
