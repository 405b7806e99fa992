#include "app/art_command_line.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "console/console.h"
#include "files/art_render.h"
#include "files/design_formats.h"
#include "platform/disk_file_system.h"

namespace tessella::app {
namespace {

constexpr int kLargestNumber = 1'000'000;
constexpr std::streamoff kLargestInput = 64LL << 20;  // 64 MB: far beyond any screen

int Number(const std::string& option, const std::string& text) {
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9' || value > kLargestNumber) {
      value = -1;
      break;
    }
    value = value * 10 + (c - '0');
  }
  if (text.empty() || value < 1 || value > kLargestNumber) {
    throw CommandFailure{kWrongCommandLine, option + " wants a whole number from 1, not \"" + text + "\""};
  }
  return value;
}

// Every kind the command line converts: the text-art kinds and the design's own.
std::vector<files::ArtFormat> CommandLineFormats() {
  std::vector<files::ArtFormat> all(files::ArtFormats().begin(), files::ArtFormats().end());
  all.insert(all.end(), files::DesignFormats().begin(), files::DesignFormats().end());
  return all;
}

// The row for the name's extension, or null.
const files::ArtFormat* FindFormat(const std::string& path) {
  static const std::vector<files::ArtFormat> kAll = CommandLineFormats();
  const std::string ext = files::UpperExtension(path);
  for (const files::ArtFormat& f : kAll)
    if (f.extension == ext) return &f;
  return nullptr;
}

std::string KindsList() {
  std::string list;
  for (const files::ArtFormat& f : CommandLineFormats()) {
    if (!list.empty()) list += ' ';
    list += f.extension;
  }
  return list;
}

}  // namespace

ArtArguments ParseArtArguments(const std::vector<std::string>& args,
                               const std::set<std::string>& numeric, bool with_output) {
  ArtArguments parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takes_value = numeric.contains(arg) || (with_output && arg == "-o");
    if (takes_value) {
      if (i + 1 == args.size()) throw CommandFailure{kWrongCommandLine, arg + " wants a value"};
      const std::string& value = args[++i];
      if (arg == "-o") parsed.output = value;
      else parsed.numbers[arg] = Number(arg, value);
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw CommandFailure{kWrongCommandLine, "unknown option " + arg};
    } else {
      parsed.files.push_back(arg);
    }
  }
  return parsed;
}

const files::ArtFormat& ReadableFormat(const std::string& path) {
  const files::ArtFormat* f = FindFormat(path);
  if (f == nullptr || f->read == nullptr) {
    throw CommandFailure{kWrongCommandLine, path + ": Tessella does not read this kind of file (it reads " +
                                                KindsList() + ")"};
  }
  return *f;
}

const files::ArtFormat& WritableFormat(const std::string& path) {
  const files::ArtFormat* f = FindFormat(path);
  if (f == nullptr || f->write == nullptr) {
    throw CommandFailure{kWrongCommandLine, path + ": Tessella does not write this kind of file (it writes " +
                                                KindsList() + ")"};
  }
  return *f;
}

files::ArtDocument LoadArt(const std::string& path, const files::ArtFormat& format, int width) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw CommandFailure{kCommandFailed, path + ": cannot read it: " + std::strerror(errno)};
  if (in.tellg() > kLargestInput) throw CommandFailure{kCommandFailed, path + ": too large (over 64 MB)"};
  in.seekg(0);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw CommandFailure{kCommandFailed, path + ": cannot read it"};

  const std::size_t slash = path.find_last_of('/');
  files::ArtReadOptions options;
  options.width = width;
  options.base_name = slash == std::string::npos ? std::string_view(path)
                                                 : std::string_view(path).substr(slash + 1);
  try {
    files::ArtDocument doc = format.read(bytes.str(), options);
    if (doc.clipped) {
      std::cerr << "tessella: " << path << ": holds more than " << files::kMaxArtColumns
                << " columns or " << files::MaxArtRows(doc.cells.width())
                << " rows; the rest is left out\n";
    }
    return doc;
  } catch (const files::ArtError& e) {
    throw CommandFailure{kCommandFailed, path + ": " + e.what()};
  }
}

int PageRows() { return console::Console::kDefaultRows - 1; }

void SaveFile(const std::string& path, const std::string& bytes) {
  try {
    platform::DiskFileSystem().Write(path, bytes);
  } catch (const ports::FileError& e) {
    throw CommandFailure{kCommandFailed, e.what()};
  }
}

std::string ArtCommandsHelp() {
  std::string help =
      "       tessella convert IN OUT [--width N] [--pages N]\n"
      "                                         convert IN into OUT, kinds by extension;\n"
      "                                         --width reads IN N columns wide, --pages\n"
      "                                         keeps the first N pages of " +
      std::to_string(PageRows()) +
      " rows\n"
      "       tessella render IN -o OUT.png [--page N] [--pages N] [--width N]\n"
      "                                         draw IN (or N pages of it) as a PNG picture\n";
  if (!files::CanRender()) {
    help += "                                         (not in this build: libansilove was not\n"
            "                                         installed when Tessella was built)\n";
  }
  help += "kinds of file:\n";
  for (const files::ArtFormat& f : CommandLineFormats()) {
    std::string ext(f.extension);
    ext.resize(6, ' ');
    help += "  " + ext + std::string(f.description) +
            (f.read == nullptr ? " (written only)" : f.write == nullptr ? " (read only)" : "") + "\n";
  }
  return help;
}

int RunArtCommand(void (*command)(const std::vector<std::string>& args),
                  const std::vector<std::string>& args) {
  try {
    command(args);
    return 0;
  } catch (const CommandFailure& failure) {
    std::cerr << "tessella: " << failure.message << "\n";
    if (failure.status == kWrongCommandLine) std::cerr << "usage:\n" << ArtCommandsHelp();
    return failure.status;
  }
}

}  // namespace tessella::app
