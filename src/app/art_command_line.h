#pragma once
// What the convert and render commands share: their arguments, reading the input file
// through its kind's reader, writing the output, and the help text.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "files/art_document.h"
#include "files/art_formats.h"

namespace tessella::app {

inline constexpr int kCommandFailed = 1;
inline constexpr int kWrongCommandLine = 2;

// A command that cannot go on: what to tell the user (naming the file) and the exit status.
struct CommandFailure {
  int status;
  std::string message;
};

struct ArtArguments {
  std::vector<std::string> files;     // the arguments that are not options
  std::map<std::string, int> numbers;  // "--width" -> N
  std::string output;                  // after -o
};

// Splits the arguments. Every option in `numeric` takes a whole number from 1 to 1,000,000;
// "-o" takes a file name when `with_output`. Throws CommandFailure (wrong command line).
ArtArguments ParseArtArguments(const std::vector<std::string>& args,
                               const std::set<std::string>& numeric, bool with_output);

// The kind of the file, or a CommandFailure naming it when Tessella cannot read (or
// write) that kind.
const files::ArtFormat& ReadableFormat(const std::string& path);
const files::ArtFormat& WritableFormat(const std::string& path);

// Reads and decodes the file. Throws CommandFailure naming the file when it cannot be
// read or is not of its kind; tells on stderr when the caps cut it.
files::ArtDocument LoadArt(const std::string& path, const files::ArtFormat& format, int width);

// Rows of one page of a design: the console's work rows.
int PageRows();

// Writes the bytes whole or not at all. Throws CommandFailure.
void SaveFile(const std::string& path, const std::string& bytes);

// The help lines of convert and render and the kinds of file.
std::string ArtCommandsHelp();

// Runs one of the commands: its exit status, 0 when it did its work; a failure is said
// on stderr, with the usage after a wrong command line.
int RunArtCommand(void (*command)(const std::vector<std::string>& args),
                  const std::vector<std::string>& args);

}  // namespace tessella::app
