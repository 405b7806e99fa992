#pragma once
// Reading files into the design and writing the design out, kind by kind: the binary
// screen files (.BNY, .BNK, .BNA), BSAVE images (.BSA), pop files (.POP) and text art
// (.ANS, .BIN, .XB). Open and Save pick one by the file's name; each reads or writes
// through the editor's file system, which throws ports::FileError when the disk says no.
#include <optional>
#include <string>

#include "core/editor.h"
#include "files/art_formats.h"

namespace tessella::files {

// How a read ended.
enum class LoadOutcome {
  kShown,      // the file is on the page on display
  kWrongType,  // the bytes are not of the kind the name says
  kRefused,    // the user has been told why; the console goes back as it was
};

enum class CellForm { kTwoByte, kFourByte };

// Loading stops at this row of the document, whatever the store could hold.
inline constexpr int kLoadRowLimit = 34000;

// The pages from the one on display onwards, as many as the file fills, cut into rows
// of the console's width (after the width suffix of the name, if any). A .BNY file's
// bytes become the backup a later .BNY save writes beside it.
LoadOutcome LoadBinaryScreens(core::Editor& ed, const std::string& path, CellForm form);
// A BSAVE image onto the work screen (not yet into the document), with the console
// sized by the name's size suffix.
LoadOutcome LoadBsave(core::Editor& ed, const std::string& path);
// A pop file's area back at its place on the page on display; it becomes the area's
// corners.
LoadOutcome LoadPop(core::Editor& ed, const std::string& path);
// Text art, with the console as wide as the picture; tall art fills as many pages as
// it needs. Its SAUCE record is kept for saving it again.
LoadOutcome LoadArt(core::Editor& ed, const std::string& path, const ArtFormat& format);

// The savers return false when they refused (the user has been told), true when the
// file was written. With save_part they ask how many pages, from the page on display.
bool SaveBinaryScreens(core::Editor& ed, const std::string& path, CellForm form, bool save_part);
bool SaveBsave(core::Editor& ed, const std::string& path);
bool SavePop(core::Editor& ed, const std::string& path);
bool SaveArt(core::Editor& ed, const std::string& path, const ArtFormat& format, bool save_part);

}  // namespace tessella::files
