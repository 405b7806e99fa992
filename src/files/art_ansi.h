#pragma once
// ANSI art (.ANS): code page 437 text with the escape sequences of DOS's ANSI.SYS for
// colours and cursor moves, usually ended by 0x1A and a SAUCE record.
#include <string>
#include <string_view>

#include "files/art_document.h"

namespace tessella::files {

inline constexpr int kAnsiDefaultWidth = 80;

// Reads ANSI art. Lines wrap at `width` columns; 0 takes the width from the SAUCE
// record, else 80. The picture is as tall as its lowest written row (at least one).
// Understood: SGR colours (bold as bright foreground, blink as bright background, 90-97
// and 100-107, 38/48;5 with the first 16 colours, reverse), cursor moves (CUU CUD CUF
// CUB CNL CPL CHA VPA CUP HVP), save and restore, ED and EL, CR, LF (which also returns
// to column 1), tab stops every 8 columns, and 0x1A as the end. Other control bytes are
// drawn as their CP437 glyphs, as the scene's viewers draw them; other sequences are
// skipped. Never throws.
ArtDocument ReadAnsi(std::string_view file, int width = 0);

// The cells as compact ANSI art that ReadAnsi and the scene's viewers read back to the
// same cells, followed by a SAUCE record. A row that fills the width runs straight on
// into the next (the cursor wraps there), shorter rows end with CR LF; blank cells in
// colour 7 on 0 at a row's end are left out, longer runs of them inside a row skipped
// with a cursor move. Characters 9, 10, 13, 26 and 27 cannot stand in ANSI art and are
// written as blanks (see AnsiUnwritableCells).
std::string WriteAnsi(const ArtDocument& doc);

// How many cells hold one of the five characters ANSI art cannot carry.
int AnsiUnwritableCells(const console::ScreenImage& cells);

}  // namespace tessella::files
