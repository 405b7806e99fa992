#pragma once
// The toolbar line on the console's last row.
#include "core/editor.h"

namespace tessella::app {

// The toolbar picture at row R, then the line-style glyph pair and " TxColor BgColor"
// from column 43 in the current output colour.
void DrawToolbar(core::Editor& ed);
// The live fields: page, cursor row and column in 12 on 7, and the colour label in the
// typing colours.
void PaintLiveFields(core::Editor& ed);

}  // namespace tessella::app
