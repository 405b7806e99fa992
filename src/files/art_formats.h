#pragma once
// The kinds of file that convert and render read and write, one row each, found by the
// extension of the file's base name (upper-cased for the test only).
#include <span>
#include <string>
#include <string_view>

#include "files/art_document.h"

namespace tessella::files {

struct ArtReadOptions {
  // Columns for kinds that do not store them, or to override what the file says;
  // 0 keeps the kind's own rule.
  int width = 0;
  // The file's name without folders, for kinds that take a size from it.
  std::string_view base_name;
};

struct ArtFormat {
  std::string_view extension;    // upper case, with the dot: ".ANS"
  std::string_view description;  // for --help
  // Either may be null when the kind is only written or only read. Readers throw
  // ArtError when the bytes are not of their kind; writers when the picture does not fit.
  ArtDocument (*read)(std::string_view bytes, const ArtReadOptions& options);
  std::string (*write)(const ArtDocument& doc);
};

std::span<const ArtFormat> ArtFormats();

// The row for the extension of the path's base name, or null.
const ArtFormat* FindArtFormat(std::string_view path);

// The extension of the path's base name, upper-cased ("" when it has none).
std::string UpperExtension(std::string_view path);

}  // namespace tessella::files
