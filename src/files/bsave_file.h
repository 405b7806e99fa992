#pragma once
// BSAVE images of a colour text screen (.BSA): the memory dump that DOS BASIC programs
// load with BLOAD. A 7-byte header, then (character, attribute) pairs row by row.
#include <optional>
#include <string>
#include <string_view>

#include "console/screen_image.h"

namespace tessella::files {

inline constexpr unsigned char kBsaveMagic = 0xFD;
inline constexpr size_t kBsaveHeaderBytes = 7;

// The page as a BSAVE file: FD 20 B8 20 20 A0 0F, then its cells. The length field
// always says 4,000 (an 80 x 25 screen), whatever the page size, as DOS programs
// expect of a screen dump.
std::string EncodeBsa(const console::ScreenImage& page);

// The cells of a BSAVE file for a page of width x height: every whole pair after the
// header, whatever the length field says, up to the page's cell count. None when the
// file does not start with the BSAVE magic byte. A file shorter than the page gives
// fewer cells; the cells it does not reach are left as they were.
std::optional<std::string> DecodeBsa(std::string_view bytes, int width, int height);

}  // namespace tessella::files
