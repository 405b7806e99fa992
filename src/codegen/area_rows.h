#pragma once
// The rows of a captured area as the text generators write them: the characters alone
// for the generators that drop the colours, and rows put between double quotes.
#include <string>
#include <string_view>
#include <vector>

#include "console/screen_image.h"

namespace tessella::codegen {

// The character byte of every cell, row by row, left to right: W x H bytes.
std::string AreaChars(const console::ScreenImage& area);

// The area's rows as strings of W characters, top row first, after the blank-9 rule for
// characters has been applied to the whole character string (so a blank at the end of
// one row and a character 9 at the start of the next count as a pair).
std::vector<std::string> CharRowsWithBlankNine(const console::ScreenImage& area);

// The bytes between double quotes, unchanged: a quote or a control byte inside is not
// escaped, as the BASIC dialects have no way to escape one in a literal.
std::string Quoted(std::string_view bytes);

}  // namespace tessella::codegen
