#pragma once
// The design's own file kinds (.BNY, .BNK, .BNA, .BSA, .POP) as rows of the conversion
// table, beside the text-art kinds: each reads bytes into a picture and writes one.
#include <span>

#include "files/art_formats.h"

namespace tessella::files {

std::span<const ArtFormat> DesignFormats();

}  // namespace tessella::files
