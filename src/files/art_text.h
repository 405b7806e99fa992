#pragma once
// Plain text (.TXT) for the command line: UTF-8 lines whose characters are code page
// 437 glyphs. Text has no colours: cells read from it are colour 7 on 0.
#include <string>
#include <string_view>

#include "files/art_document.h"

namespace tessella::files {

// One row per line (LF or CR LF ends a line; a last line without an end counts). The
// width is `width`, or 0 for the longest line; longer lines are cut. Tabs advance to
// the next multiple of 8 columns. A file that is not UTF-8 is read as CP437 bytes, so
// old DOS text reads too; characters code page 437 has no glyph for become '?'. A
// final 0x1A (DOS end of file) and a SAUCE record are left out.
ArtDocument ReadText(std::string_view file, int width = 0);

// Every row as the UTF-8 glyphs of its W characters, trailing blanks kept, each line
// ended by CR LF. Colours are not written; character 0 is written as a blank.
std::string WriteText(const ArtDocument& doc);

}  // namespace tessella::files
