#include "platform/replay_script.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>

#include "console/keys.h"

namespace tessella::platform {
namespace {

using console::KeyRecord;
using console::MouseEvent;
using console::MouseRecord;

std::optional<int> ParseInt(std::string_view text) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    size_t j = i;
    while (j < text.size() && text[j] != ' ' && text[j] != '\t') ++j;
    if (j > i) words.push_back(text.substr(i, j - i));
    i = j;
  }
  return words;
}

// How much of a bad line an error message shows: a script may hold a line of any
// length, or binary bytes, and the message goes to a terminal.
constexpr std::size_t kQuotedCharacters = 80;

// Length of the UTF-8 character at the start of `bytes` when it is a valid one and
// printable (not one of the C1 controls U+0080-U+009F), else 0.
std::size_t PrintableUtf8Length(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
  if (length == 0 || bytes.size() < length) return 0;
  char32_t cp = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto c = static_cast<unsigned char>(bytes[k]);
    if ((c & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (c & 0x3F);
  }
  const char32_t min = length == 2 ? 0xA0 : length == 3 ? 0x800 : 0x10000;
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

// The line's first kQuotedCharacters characters, and "..." when some were left out. A
// UTF-8 character counts as one; control bytes and bytes that are no printable UTF-8
// are written \xNN.
std::string Quote(std::string_view line) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  std::size_t characters = 0;
  std::size_t i = 0;
  while (i < line.size()) {
    if (characters++ == kQuotedCharacters) return out + "...";
    const auto byte = static_cast<unsigned char>(line[i]);
    if (byte >= 0x20 && byte < 0x7F) {
      out += static_cast<char>(byte);
      ++i;
    } else if (const std::size_t length = PrintableUtf8Length(line.substr(i))) {
      out += line.substr(i, length);
      i += length;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
      ++i;
    }
  }
  return out;
}

[[noreturn]] void Fail(int line_number, std::string_view line, std::string_view why) {
  throw ScriptError("script line " + std::to_string(line_number) + ": " + std::string(why) +
                    ": " + Quote(line));
}

KeyRecord TypedKey(unsigned char ch) {
  return KeyRecord{ch, static_cast<std::uint8_t>(keys::LetterScanCode(static_cast<char>(ch))),
                   false};
}

}  // namespace

std::string ReadScriptFile(const std::string& path) {
  // Opening a folder succeeds; reading it is what fails (EISDIR), so every failure is
  // caught by reading to the end.
  const auto fail = [&path] {
    return ScriptError("cannot read the script " + path + ": " + std::strerror(errno));
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw fail();
  std::string text;
  char buffer[65536];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const ScriptError error = fail();
      ::close(fd);
      throw error;
    }
    text.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return text;
}

std::optional<KeyRecord> NamedKey(std::string_view name) {
  if (const keys::NamedKey* key = keys::FindNamedKey(name)) return KeyRecord{key->ch, key->scan, false};
  if (name.size() == 5 && name.starts_with("Alt-")) {
    const char letter = name[4];
    if (letter >= 'A' && letter <= 'Z') {
      return KeyRecord{static_cast<std::uint8_t>(letter - 'A' + 'a'),
                       static_cast<std::uint8_t>(keys::LetterScanCode(letter)), true};
    }
  }
  return std::nullopt;
}

std::vector<ScriptLine> ParseScript(std::string_view text) {
  std::vector<ScriptLine> script;
  int line_number = 0;
  while (!text.empty()) {
    const size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    const auto words = Words(line);
    if (words.empty() || words[0].starts_with("#")) continue;
    const std::string_view verb = words[0];
    auto add = [&](auto item) { script.push_back(ScriptLine{line_number, item}); };

    if (verb == "type") {
      // Everything after "type" and one blank, byte for byte.
      const size_t at = line.find("type") + 4;
      if (at >= line.size()) Fail(line_number, line, "type needs text");
      for (unsigned char ch : line.substr(at + 1))
        add(console::InputRecord{TypedKey(ch)});
      continue;
    }
    if (verb == "key") {
      if (words.size() != 2) Fail(line_number, line, "key needs one key name");
      auto key = NamedKey(words[1]);
      if (!key) Fail(line_number, line, "unknown key name");
      add(console::InputRecord{*key});
      continue;
    }
    if (verb == "char" || verb == "scan") {
      if (words.size() != 2) Fail(line_number, line, "needs one number");
      auto n = ParseInt(words[1]);
      if (!n || *n < 0 || *n > 255) Fail(line_number, line, "number must be 0 to 255");
      const auto byte = static_cast<std::uint8_t>(*n);
      // Character 0 comes from Ctrl-@, whose key is the 2 key (scan code 3); a record
      // with neither character nor scan code is no key at all and would vanish.
      constexpr std::uint8_t kCtrlAtScan = 0x03;
      add(console::InputRecord{verb == "scan"   ? KeyRecord{0, byte, false}
                               : byte == 0      ? KeyRecord{0, kCtrlAtScan, false}
                                                : KeyRecord{byte, 0, false}});
      continue;
    }
    if (verb == "click" || verb == "rclick" || verb == "mclick" || verb == "dclick" ||
        verb == "move") {
      if (words.size() != 3) Fail(line_number, line, "needs a row and a column");
      auto row = ParseInt(words[1]);
      auto col = ParseInt(words[2]);
      if (!row || !col || *row < 1 || *col < 1 || *row > 9999 || *col > 9999)
        Fail(line_number, line, "row and column must be whole numbers from 1");
      MouseRecord mouse{*row, *col, console::kLeftButton, MouseEvent::kButtonDown};
      if (verb == "rclick") mouse.buttons = console::kRightButton;
      if (verb == "mclick") mouse.buttons = console::kMiddleButton;
      if (verb == "dclick") mouse.event = MouseEvent::kDoubleClick;
      if (verb == "move") {
        mouse.buttons = 0;
        mouse.event = MouseEvent::kMoved;
      }
      add(console::InputRecord{mouse});
      continue;
    }
    if (verb == "dump") {
      if (words.size() != 2) Fail(line_number, line, "dump needs one name");
      const std::string_view name = words[1];
      // A NUL would end the name early where the file is created.
      if (name.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos ||
          name == "." || name == "..")
        Fail(line_number, line, "a dump name is a plain file name");
      add(DumpRequest{std::string(name)});
      continue;
    }
    Fail(line_number, line, "unknown command");
  }
  return script;
}

}  // namespace tessella::platform
