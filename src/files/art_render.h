#pragma once
// Pictures of cells as PNG through libansilove, the art scene's own renderer: its
// 8 x 16 code page 437 font, 8 pixels a column and 16 a row, so an 80 x 25 screen is a
// 640 x 400 picture.
#include <string>
#include <string_view>

#include "files/art_document.h"

namespace tessella::files {

// No picture larger than this many pixels is made (100 million: about 9,700 rows of
// 80 columns).
inline constexpr long long kMaxRenderPixels = 100'000'000;

// False when this build has no libansilove; the functions below then throw ArtError.
bool CanRender();

// libansilove's readers that Tessella feeds.
enum class AnsiloveReader { kBinary, kXBin, kAnsi };

// PNG bytes of `bytes` as libansilove's reader of that kind draws them, `columns`
// columns wide, background colours 8-15 bright with iCE colours, blinking without.
// Throws ArtError when the library fails.
std::string RenderWithAnsilove(AnsiloveReader reader, std::string_view bytes, int columns,
                               bool ice_colours);

// PNG of the document's cells, through the binary-screen reader, or through the XBin
// reader when the document has an XBin palette or font of its own. Throws ArtError for
// an empty picture or one beyond kMaxRenderPixels.
std::string RenderPng(const ArtDocument& doc);

}  // namespace tessella::files
