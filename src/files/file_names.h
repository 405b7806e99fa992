#pragma once
// What a file name tells the program: the kind of file (by the first of a fixed list of
// extension strings found anywhere in the name), the page width a "-" suffix asks for,
// and the names of the backup files kept beside it. Every test looks at the base name
// (the part after the last '/') upper-cased; the name itself is never changed, so the
// file is opened under the name as given.
#include <optional>
#include <string>
#include <string_view>

#include "files/console_limits.h"

namespace tessella::files {

// Kinds for Open. A .BNK backup opens like .BNY; DLL and EXE files are refused.
enum class OpenKind { kBny, kBna, kBsa, kInc, kBi, kPop, kDll, kExe, kText };
// Kinds for Save. A .BNK name saves like .BNY (never as text over a backup).
enum class SaveKind { kBny, kBna, kBsa, kInc, kBas, kPop, kBi, kText };

// The part of a path after its last '/'.
std::string_view BaseName(std::string_view path);
// The base name upper-cased (ASCII letters only; other bytes as they stand).
std::string UpperBaseName(std::string_view path);

OpenKind OpenKindOf(std::string_view path);
SaveKind SaveKindOf(std::string_view path);

// The page width of a name such as MENU-120.BNY: the leading digits of the three
// characters after the first "-". None when the name has no "-", the digits are missing
// or the number lies outside the console limits.
std::optional<int> WidthSuffix(std::string_view path, const ConsoleLimits& limits = {});

using ConsoleSize = ports::ConsoleSize;

// The console size of a BSAVE name such as LOGO25-080.BSA: columns as WidthSuffix, rows
// from the leading digits of the two characters before the "-" (none or 0 give 26, so a
// page of 25 rows holds a DOS screen). None when the columns are not usable or the rows
// are outside the limits.
std::optional<ConsoleSize> BsaveSizeSuffix(std::string_view path,
                                           const ConsoleLimits& limits = {});

// The path with every `extension` in its base name replaced by `replacement`, letter by
// letter in the case of the letters replaced (menu.bny gives menu.bnk); letters beyond
// the replaced ones take the case of its last letter. None when the base name does not
// hold `extension`: a backup must never be written over the file itself.
std::optional<std::string> DerivedName(std::string_view path, std::string_view extension,
                                       std::string_view replacement);

// The .BNK backup written beside a .BNY file, and the .BAC backup of an include file.
std::optional<std::string> BnkBackupName(std::string_view path);
std::optional<std::string> IncludeBackupName(std::string_view path);

// Whole-number helpers shared by the readers: the value of the leading decimal digits
// of `text` (0 when there are none), saturating rather than overflowing.
int LeadingNumber(std::string_view text);

}  // namespace tessella::files
