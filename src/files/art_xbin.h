#pragma once
// XBin (.XB): a binary screen with a header that gives its size, an optional palette
// and font, and optional run-length compression.
#include <string>
#include <string_view>

#include "files/art_document.h"

namespace tessella::files {

// Reads an XBin file, compressed or not, keeping its palette and font. A file that
// ends early gives the rows its data reaches, the rest of its last row blank. Throws
// ArtError when the header is not an XBin header, the width or font height is out of
// range, the palette or font is cut short, or no cell follows them.
ArtDocument ReadXBin(std::string_view file);

struct XBinOptions {
  bool compress = true;
  bool sauce = true;  // append a SAUCE record
};

// The cells with their palette and font, followed by a SAUCE record. Compressed runs
// never cross the end of a row.
std::string WriteXBin(const ArtDocument& doc, XBinOptions options = {});

}  // namespace tessella::files
