// Replay script parser: any text gives records the program can take or one error that
// names a line and quotes it briefly, without control bytes; and a script reads as its
// lines read one by one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "platform/replay_script.h"

using namespace tessella;
using platform::ParseScript;
using platform::ScriptError;
using platform::ScriptLine;

namespace {

struct Parsed {
  std::vector<ScriptLine> lines;
  std::string error;  // empty when the text parsed
};

Parsed Parse(std::string_view text) {
  Parsed parsed;
  try {
    parsed.lines = ParseScript(text);
  } catch (const ScriptError& e) {
    parsed.error = e.what();
    fuzz::Check(!parsed.error.empty(), "an error says something");
  }
  return parsed;
}

void CheckError(const std::string& error) {
  fuzz::Check(error.rfind("script line ", 0) == 0, "an error names its line");
  // "script line N: why: " and at most 80 characters of four bytes (\xNN) and "...".
  fuzz::Check(error.size() <= 100 + 80 * 4 + 3, "an error quotes the line briefly");
  for (std::size_t i = 0; i < error.size(); ++i) {
    const auto byte = static_cast<unsigned char>(error[i]);
    fuzz::Check(byte >= 0x20 && byte != 0x7F, "no control bytes in an error");
    // U+0080-U+009F, the C1 controls, are C2 80 - C2 9F in UTF-8.
    fuzz::Check(!(byte == 0xC2 && i + 1 < error.size() &&
                  static_cast<unsigned char>(error[i + 1]) < 0xA0),
                "no C1 controls in an error");
  }
}

void CheckLine(const ScriptLine& line) {
  if (const auto* dump = std::get_if<platform::DumpRequest>(&line.item)) {
    const std::string& name = dump->name;
    fuzz::Check(!name.empty() && name != "." && name != "..", "a dump name names a file");
    fuzz::Check(name.find('/') == std::string::npos && name.find('\0') == std::string::npos,
                "a dump name stays in the dump folder");
    return;
  }
  const auto& record = std::get<console::InputRecord>(line.item);
  if (const auto* mouse = std::get_if<console::MouseRecord>(&record)) {
    fuzz::Check(mouse->row >= 1 && mouse->col >= 1 && mouse->row <= 9999 && mouse->col <= 9999,
                "a click on a cell");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Parsed whole = Parse(text);
  if (!whole.error.empty()) CheckError(whole.error);
  int last_line = 0;
  for (const ScriptLine& line : whole.lines) {
    fuzz::Check(line.line_number >= last_line && line.line_number >= 1, "lines in order");
    last_line = line.line_number;
    CheckLine(line);
  }

  // Line by line: the same records, and the error at the same line.
  std::vector<ScriptLine> joined;
  std::string error;
  int number = 0;
  std::string_view rest = text;
  while (!rest.empty() && error.empty()) {
    const std::size_t nl = rest.find('\n');
    const std::string_view line = rest.substr(0, nl);
    rest = nl == std::string_view::npos ? std::string_view{} : rest.substr(nl + 1);
    ++number;
    Parsed alone = Parse(line);
    if (!alone.error.empty()) {
      const std::string prefix = "script line 1: ";
      fuzz::Check(alone.error.rfind(prefix, 0) == 0, "a line alone is line 1");
      error = "script line " + std::to_string(number) + ": " + alone.error.substr(prefix.size());
    }
    for (ScriptLine& each : alone.lines) {
      each.line_number = number;
      joined.push_back(std::move(each));
    }
  }
  fuzz::Check(error == whole.error, "the same error line by line");
  if (error.empty()) {
    fuzz::Check(joined.size() == whole.lines.size(), "the same records line by line");
    for (std::size_t i = 0; i < joined.size(); ++i) {
      fuzz::Check(joined[i].line_number == whole.lines[i].line_number &&
                      joined[i].item == whole.lines[i].item,
                  "the same records line by line");
    }
  }
  return 0;
}
