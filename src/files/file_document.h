#pragma once
// What the file readers and writers do to the editor around the codecs: size the
// console for a file, put rows into the document and show them, choose the pages to
// write, say something at a fixed place of the console.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor.h"
#include "files/binary_screens.h"

namespace tessella::files {

// Sets the console to rows x cols when the front end and the console take it, cuts or
// pads every row of the document to the new width and makes the page counters follow
// the new height. False (nothing changed) for a size outside the console limits or one
// the front end refuses.
bool ResizeForFile(core::Editor& ed, int rows, int cols);

// The width suffix of the name (MENU-120.BNY): the console becomes that many columns
// and 35 rows unless it is that wide already.
void ApplyWidthSuffix(core::Editor& ed, const std::string& path);

// Puts rows into the document from the page on display on, updates the highest row
// and the last page index as a load does, and shows that page with the text cursor on
// its first row. Rows past the load limit are left out; returns whether any were.
bool StoreLoadedRows(core::Editor& ed, std::vector<std::string> rows);

// Tells the user that a file ran past the end of the document.
void SayFileWasCut(core::Editor& ed);

// Commits the page on display and gives the pages a save writes: all of them (up to
// the last page index), or with save_part as many as the user enters in "Enter Number
// of Screens" from the page on display (an empty answer: all). Never past the store.
// None when the answer counts no page (0, or no number): the user is told, and the
// file must not be written, rather than replaced by an empty one.
std::optional<PageRange> PagesForSave(core::Editor& ed, bool save_part);

// The row images of the document, as the codecs read them.
RowAt DocumentRows(const core::Editor& ed);

// The page geometry of the console: its rows less the toolbar line, its columns.
PageShape ConsolePage(const core::Editor& ed);

// Text at a fixed place of the console in the given colours, cut at the console's
// right edge (never wrapped onto the next row).
void PutAt(core::Editor& ed, int row, int col, int fg, int bg, std::string_view text);

// Cell records with 32 in both pads from (character, attribute) pairs.
std::string RecordsOf(std::string_view pairs);

}  // namespace tessella::files
