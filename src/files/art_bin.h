#pragma once
// Raw binary screens (.BIN): (character, attribute) pairs row by row with no header,
// the way they sit in text-mode video memory, usually followed by a SAUCE record that
// gives the width.
#include <string>
#include <string_view>

#include "files/art_document.h"

namespace tessella::files {

// Reads a binary screen `width` columns wide; 0 takes the width from the SAUCE record,
// and without one 80 columns when the bytes fill whole 80-column rows, else 160. A last
// row the bytes do not fill is padded with blanks; an odd last byte is dropped. Throws
// ArtError when the width is beyond the caps.
ArtDocument ReadBin(std::string_view file, int width = 0);

// The cells followed by a SAUCE record. SAUCE stores a binary screen's width in
// half-columns, so a picture of odd width gains one blank column on the right.
std::string WriteBin(const ArtDocument& doc);

}  // namespace tessella::files
