#pragma once
// The kinds of file the file chooser lists, in the order that offers the kind of the
// last file chosen first.
#include <string_view>
#include <vector>

namespace tessella::files {

enum class ChooserMode { kOpen, kSave };

struct FileFilter {
  std::string_view description;
  std::string_view pattern;  // "*.BNY"; "*.*" lists every file
  bool operator==(const FileFilter&) const = default;
};

// The entries of the chooser's list of kinds for this mode, first the one to start
// with. The kind of `last_name` (upper-cased for the test: its last three letters, the
// last two for BI and XB) comes first; a name of any other kind, or none, starts with
// every file in Open and with .BNY in Save. The text-art kinds follow the design's own.
std::vector<FileFilter> FiltersFor(ChooserMode mode, std::string_view last_name);

// Whether a file name matches a pattern of the list, whatever the case of its letters.
bool FilterMatches(std::string_view pattern, std::string_view file_name);

}  // namespace tessella::files
