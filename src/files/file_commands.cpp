#include "files/file_commands.h"

#include <array>
#include <optional>
#include <string>

#include "core/area_flash.h"
#include "files/art_formats.h"
#include "files/file_chooser.h"
#include "files/file_document.h"
#include "files/file_names.h"
#include "files/include_commands.h"
#include "files/screen_files.h"
#include "ui/catalogue.h"
#include "ui/message_box.h"

namespace tessella::files {
namespace {

constexpr std::string_view kDialogTitle = "    Tessella    Version 2.9      ";
constexpr int kDialogPause = 200;
constexpr std::string_view kOpenTitle = "     Open a File for Editing";
constexpr std::string_view kSaveTitle = "   Saving  ";

constexpr std::string_view kWrongFileType = "  Wrong file type  ";
constexpr int kWrongFileTypeRow = 1;
constexpr int kWrongFileTypeCol = 29;
constexpr int kWrongFileTypeMs = 2000;

constexpr int kRefusalRow = 1;
constexpr int kRefusalCol = 20;
// Three names without an extension in a row end the Save command.
constexpr int kExtensionTries = 3;

// --- Which reader or writer a name picks ---------------------------------------------

struct OpenRoute {
  OpenKind kind;
  LoadOutcome (*load)(core::Editor&, const std::string&);
  bool keeps_name;  // Save writes straight back to the file
};

LoadOutcome LoadBny(core::Editor& ed, const std::string& path) {
  return LoadBinaryScreens(ed, path, CellForm::kTwoByte);
}
LoadOutcome LoadBna(core::Editor& ed, const std::string& path) {
  return LoadBinaryScreens(ed, path, CellForm::kFourByte);
}

constexpr std::array kOpenRoutes = {
    OpenRoute{OpenKind::kBny, LoadBny, false},
    OpenRoute{OpenKind::kBna, LoadBna, true},
    OpenRoute{OpenKind::kBsa, LoadBsave, true},
    OpenRoute{OpenKind::kInc, OpenIncludeFile, false},
    OpenRoute{OpenKind::kBi, OpenIncludeFile, false},
    OpenRoute{OpenKind::kPop, LoadPop, false},
    OpenRoute{OpenKind::kText, OpenTextFile, false},
};

struct SaveRoute {
  SaveKind kind;
  bool needs_area;
  bool (*save)(core::Editor&, const std::string&, bool save_part);
};

bool SaveBny(core::Editor& ed, const std::string& path, bool part) {
  return SaveBinaryScreens(ed, path, CellForm::kTwoByte, part);
}
bool SaveBna(core::Editor& ed, const std::string& path, bool part) {
  return SaveBinaryScreens(ed, path, CellForm::kFourByte, part);
}
bool SaveBsa(core::Editor& ed, const std::string& path, bool) { return SaveBsave(ed, path); }
bool SavePopFile(core::Editor& ed, const std::string& path, bool) { return SavePop(ed, path); }

constexpr std::array kSaveRoutes = {
    SaveRoute{SaveKind::kBny, false, SaveBny},
    SaveRoute{SaveKind::kBna, false, SaveBna},
    SaveRoute{SaveKind::kBsa, false, SaveBsa},
    SaveRoute{SaveKind::kInc, true, SaveIncludeFile},
    SaveRoute{SaveKind::kBas, true, SaveDataFile},
    SaveRoute{SaveKind::kPop, true, SavePopFile},
    SaveRoute{SaveKind::kBi, true, SaveIncludeFile},
    SaveRoute{SaveKind::kText, false, SaveTextFile},
};

template <typename Route, typename Kind, size_t N>
const Route& RouteFor(const std::array<Route, N>& routes, Kind kind) {
  for (const Route& r : routes)
    if (r.kind == kind) return r;
  return routes.back();
}

// Text art is known by the extension the name ends in (.BIN would otherwise be found
// as .BI); .TXT stays with the design's text files.
const ArtFormat* ArtKindOf(const std::string& path) {
  const ArtFormat* format = FindArtFormat(path);
  return format && format->extension != ".TXT" ? format : nullptr;
}

// --- The chooser as Open and Save show it --------------------------------------------

std::optional<std::string> AskForName(core::Editor& ed, ChooserMode mode, std::string title) {
  ed.console.SetTitle(std::string(kDialogTitle));
  ed.Pause(kDialogPause);
  ChooserRequest request{mode, std::move(title), ed.files_memory.last_dialog_name};
  std::optional<std::string> name = ChooseFile(ed.modal(), ed.files, request);
  if (name) ed.files_memory.last_dialog_name = *name;
  return name;
}

// A console the command resized no longer matches its snapshot; the page shown is
// then the file's, and stays.
void RestoreIfSameSize(core::Editor& ed, const console::RecordImage& under) {
  if (under.height() == ed.rows() && under.width() == ed.cols()) ed.console.Restore(under);
}

// --- Open ----------------------------------------------------------------------------

LoadOutcome Load(core::Editor& ed, const std::string& path, bool& keeps_name) {
  keeps_name = true;
  if (const ArtFormat* art = ArtKindOf(path)) return LoadArt(ed, path, *art);
  const OpenKind kind = OpenKindOf(path);
  if (kind == OpenKind::kDll || kind == OpenKind::kExe) {
    PutAt(ed, kRefusalRow, kRefusalCol, ed.pen.txcolor, ed.pen.bgcolor,
          kind == OpenKind::kDll ? " Sorry, can't  display DLL files " : " Sorry, can't display EXE files ");
    ed.Pause(ui::kFileMessageMs);
    return LoadOutcome::kRefused;
  }
  const OpenRoute& route = RouteFor(kOpenRoutes, kind);
  keeps_name = route.keeps_name;
  const LoadOutcome outcome = route.load(ed, path);
  // A file of another kind leaves no SAUCE record to keep.
  if (outcome == LoadOutcome::kShown) {
    ed.files_memory.art_sauce.clear();
    ed.files_memory.art_look.clear();
  }
  return outcome;
}

// --- Save ----------------------------------------------------------------------------

bool HasExtension(const std::string& name) { return BaseName(name).find('.') != std::string_view::npos; }

// The name to write: the current file's for a plain Save, else the chooser's. Nothing
// when the user cancelled or gave up.
std::optional<std::string> NameToSave(core::Editor& ed) {
  auto& loop = ed.loop;
  if (!loop.save_as && !loop.save_part && !ed.doc.file_name.empty()) return ed.doc.file_name;
  for (int tries = 1;; ++tries) {
    loop.save_as = false;
    std::optional<std::string> name =
        AskForName(ed, ChooserMode::kSave, std::string(kSaveTitle) + ed.doc.file_name);
    if (!name || name->empty()) return std::nullopt;
    if (HasExtension(*name)) return name;
    const console::RecordImage under = ed.console.Snapshot();
    ui::DrawPicture(ed.console, ui::PictureId::kExtension);
    ed.Pause(ui::kFileMessageMs);
    ed.console.Restore(under);
    if (tries == kExtensionTries) return std::nullopt;
  }
}

bool Write(core::Editor& ed, const std::string& path, bool save_part) {
  if (const ArtFormat* art = ArtKindOf(path)) return SaveArt(ed, path, *art, save_part);
  const SaveRoute& route = RouteFor(kSaveRoutes, SaveKindOf(path));
  if (route.needs_area && !core::RequireArea(ed)) return false;
  return route.save(ed, path, save_part);
}

// The end of every Save: the console as it was, the flags down, the user's colours and
// cursor back.
void EndSave(core::Editor& ed, const console::RecordImage& under) {
  ed.console.Restore(under);
  ed.loop.save_part = false;
  ed.SetOutputColour();
  ed.console.Locate(ed.pen.cursor_row, ed.pen.cursor_col);
  ed.console.SetCursorVisible(true);
}

}  // namespace

std::optional<std::string> ArtTitle(const core::Editor& ed) {
  if (ed.doc.file_name.empty() || !ArtKindOf(ed.doc.file_name)) return std::nullopt;
  const std::optional<Sauce> sauce = SplitSauce(ed.files_memory.art_sauce).sauce;
  if (!sauce || sauce->title.empty()) return std::nullopt;
  return sauce->title;
}

core::Next OpenFile(core::Editor& ed, core::Event&) {
  auto& con = ed.console;
  for (;;) {
    const console::RecordImage under = con.Snapshot();
    ed.doc.file_name.clear();
    const std::optional<std::string> name = AskForName(ed, ChooserMode::kOpen, std::string(kOpenTitle));
    if (!name || name->empty()) {
      con.SetCursorVisible(true);
      return core::Next::kBookkeeping;
    }
    ed.doc.file_name = *name;
    bool keeps_name = false;
    LoadOutcome outcome;
    try {
      outcome = Load(ed, *name, keeps_name);
    } catch (...) {
      ed.doc.file_name.clear();
      RestoreIfSameSize(ed, under);
      throw;
    }
    switch (outcome) {
      case LoadOutcome::kShown:
        // What the file replaced is gone for good: undo would bring it back under the
        // file's name, and a plain Save would then write it over the file.
        ed.undo.Clear();
        if (!keeps_name) ed.doc.file_name.clear();
        ed.SetOutputColour();
        con.SetCursorVisible(true);
        return core::Next::kBookkeeping;
      case LoadOutcome::kRefused:
        // A file refused is not the design's file: Save must not write over it.
        ed.doc.file_name.clear();
        RestoreIfSameSize(ed, under);
        con.SetCursorVisible(true);
        return core::Next::kBookkeeping;
      case LoadOutcome::kWrongType:
        PutAt(ed, kWrongFileTypeRow, kWrongFileTypeCol, 7, 4, kWrongFileType);
        ed.Pause(kWrongFileTypeMs);
        RestoreIfSameSize(ed, under);
        break;  // and the chooser comes up again
    }
  }
}

core::Next SaveFile(core::Editor& ed, core::Event&) {
  auto& con = ed.console;
  con.SetCursorVisible(false);
  const console::RecordImage under = con.Snapshot();
  const bool save_part = ed.loop.save_part;
  try {
    if (const std::optional<std::string> name = NameToSave(ed)) {
      if (Write(ed, *name, save_part)) ed.doc.file_name = *name;
    }
  } catch (...) {
    EndSave(ed, under);
    throw;
  }
  EndSave(ed, under);
  return core::Next::kBookkeeping;
}

}  // namespace tessella::files
