#pragma once
// Include files (.INC, .BI): source text that gathers screens, one subroutine per
// screen, for a program that includes the file. A new file starts with the launcher
// routine of its kind; each screen saved appends a DECLARE line and its SUB. Lines end
// in CR LF and the screen bytes stand raw inside the string literals.
#include <optional>
#include <string>
#include <string_view>

#include "console/screen_image.h"

namespace tessella::files {

enum class IncludeKind {
  kPbcc,       // .INC, console-API Putz; SCN built in one statement
  kPbdos,      // .INC, LAUNCH pokes video memory; SCN() filled row by row
  kFreeBasic,  // .BI, console-API Putz; a local SCN
  kQb,         // .BI, Putz pokes video memory; SCN built by repeated assignments
};

// The typed subroutine name, blanks trimmed from both ends and upper-cased. None for a
// name that is empty or is PUTZ or LAUNCH: those would find the launcher's own lines.
std::optional<std::string> SubName(std::string_view typed);

// The launcher routine written once at the start of a new file.
std::string LauncherBlock(IncludeKind kind);

// The DECLARE line and SUB of one screen: the cells (whose top-left cell stands at row
// `top`, column `left`) one row a line, and the call that puts them back at their
// place. Every blank cell in attribute 9 is written in attribute 15.
std::string ScreenBlock(IncludeKind kind, std::string_view name, int top, int left,
                        const console::ScreenImage& cells);

// A file shorter than this gets the launcher block before its first screen.
size_t NewFileThreshold(IncludeKind kind);

// The file's new content when a screen is saved into it: every earlier screen of the
// same name (its DECLARE line and SUB) is taken out, then the launcher is added if the
// file is new, then the screen's block. The old content is what the .BAC backup keeps.
std::string SaveIncludeScreen(std::string_view old_content, IncludeKind kind,
                              std::string_view name, int top, int left,
                              const console::ScreenImage& cells);

}  // namespace tessella::files
