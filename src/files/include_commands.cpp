// Include files: an area saved as one screen's subroutine into a .INC or .BI file, and
// Edit Include, which brings a screen of such a file back to its place for editing.
#include "files/include_commands.h"

#include <optional>

#include "files/chosen_area.h"
#include "files/file_document.h"
#include "files/file_names.h"
#include "files/include_file.h"
#include "files/include_reader.h"
#include "ui/dialog.h"
#include "ui/message_box.h"

namespace tessella::files {
namespace {

// BASIC names run to 40 characters; the fields echo what fits in them.
constexpr int kSubNameLength = 40;
constexpr int kSaveNameFg = 15;
constexpr int kSaveNameBg = 2;
constexpr int kEditNameFg = 15;
constexpr int kEditNameBg = 4;
// Edit Include shows the screen on a page cleared in these colours.
constexpr int kEditPageFg = 1;
constexpr int kEditPageBg = 15;

// One click on a choice box: the button clicked, lit for its time; -1 for anything
// else. The box leaves no trace.
int AskChoice(core::Editor& ed, ui::PictureId box) {
  const console::RecordImage under = ed.console.Snapshot();
  ui::ShowBox(ed.modal(), box);
  const int button = ui::AskOnce(ed.modal(), box).button;
  ed.console.Restore(under);
  return button;
}

std::optional<IncludeKind> AskIncKind(core::Editor& ed) {
  namespace box = ui::include_type;
  const int button = AskChoice(ed, box::kPicture);
  if (button == box::kPbcc) return IncludeKind::kPbcc;
  if (button == box::kPbdos) return IncludeKind::kPbdos;
  return std::nullopt;
}

std::optional<IncludeKind> AskBiKind(core::Editor& ed) {
  namespace box = ui::fb_or_qb;
  const int button = AskChoice(ed, box::kPicture);
  if (button == box::kFb) return IncludeKind::kFreeBasic;
  if (button == box::kQb) return IncludeKind::kQb;
  return std::nullopt;
}

// The line typed in a name box, which leaves no trace.
std::string ReadName(core::Editor& ed, ui::PictureId box, int field, int fg, int bg) {
  const console::RecordImage under = ed.console.Snapshot();
  ui::ShowBox(ed.modal(), box);
  ed.console.SetColor(fg, bg);
  std::string typed = ui::ReadField(ed.modal(), box, field, kSubNameLength);
  ed.console.Restore(under);
  ed.SetOutputColour();
  return typed;
}

// The SUB name typed, or none after telling the user why it cannot be one: an empty
// name, PUTZ or LAUNCH would find the launcher's own lines.
std::optional<std::string> CheckedSubName(core::Editor& ed, std::string_view typed) {
  std::optional<std::string> name = SubName(typed);
  if (!name) ui::ShowMessage(ed.modal(), "A SUB needs a name, and not PUTZ or LAUNCH");
  return name;
}

// Why a screen could not be shown, for the user.
std::string NotShown(const IncludeScreen& screen, const std::string& name) {
  switch (screen.result) {
    case IncludeFind::kNoSuchSub:
      return "There is no SUB " + name + " in this file";
    case IncludeFind::kNoCall:
      return "SUB " + name + " has no PUTZ or LAUNCH call giving its place";
    case IncludeFind::kOffConsole:
    case IncludeFind::kFound:
      break;
  }
  const console::Rect& a = screen.area;
  if (a.top >= 1 && a.left >= 1 && a.bottom >= a.top && a.right >= a.left)
    return "SUB " + name + " needs a console of " + std::to_string(a.bottom + 1) + " rows and " +
           std::to_string(a.right) + " columns";
  return "SUB " + name + " gives a place that is not on the console";
}

// The pairs at the rectangle, row by row; data that runs short leaves the rest of the
// rectangle as it is.
void PutPairs(core::Editor& ed, const console::Rect& area, std::string_view pairs) {
  const size_t row_bytes = static_cast<size_t>(area.width()) * console::kPairBytes;
  for (int row = area.top; row <= area.bottom && !pairs.empty(); ++row) {
    const std::string_view part = pairs.substr(0, row_bytes);
    const int cells = static_cast<int>(part.size() / console::kPairBytes);
    if (cells > 0)
      ed.console.WriteRegion(row, area.left, row, area.left + cells - 1, RecordsOf(part));
    pairs.remove_prefix(part.size());
  }
}

}  // namespace

bool SaveIncludeFile(core::Editor& ed, const std::string& path, bool) {
  std::optional<IncludeKind> kind;
  if (SaveKindOf(path) == SaveKind::kBi && !(kind = AskBiKind(ed))) return false;
  const std::optional<ChosenCells> area = ReadChosenCells(ed);
  if (!area) return false;
  namespace box = ui::sub_name;
  const std::string typed = ReadName(ed, box::kPicture, box::kNameField, kSaveNameFg, kSaveNameBg);
  const std::optional<std::string> name = CheckedSubName(ed, typed);
  if (!name) return false;
  if (!kind && !(kind = AskIncKind(ed))) return false;

  ed.console.SetCursorVisible(false);
  // The backup first: if the include file cannot be written, it is still whole beside
  // its backup, and a failed backup leaves both as they were.
  const std::string old = ed.files.Exists(path) ? ed.files.Read(path) : std::string();
  if (const std::optional<std::string> backup = IncludeBackupName(path)) ed.files.Write(*backup, old);
  ed.files.Write(path, SaveIncludeScreen(old, *kind, *name, area->place.top, area->place.left,
                                         area->cells));
  return true;
}

LoadOutcome OpenIncludeFile(core::Editor& ed, const std::string& path) {
  std::string text = ed.files.Read(path);
  ed.files_memory.backup = text;
  namespace box = ui::edit_include;
  const std::string typed = ReadName(ed, box::kPicture, box::kNameField, kEditNameFg, kEditNameBg);
  const std::optional<std::string> name = CheckedSubName(ed, typed);
  // Whatever happens, Save asks for a name afterwards, as after every include file.
  if (!name) {
    ed.doc.file_name.clear();
    return LoadOutcome::kRefused;
  }

  const IncludeScreen screen = ReadIncludeScreen(text, *name, ed.rows() - 1, ed.cols());
  if (screen.result != IncludeFind::kFound) {
    ui::ShowMessage(ed.modal(), NotShown(screen, *name));
    ed.doc.file_name.clear();
    return LoadOutcome::kRefused;
  }
  // Only now that the screen is there to show is the page given up for it.
  auto& con = ed.console;
  con.SetColor(kEditPageFg, kEditPageBg);
  con.Clear();
  PutAt(ed, 1, 1, kEditPageFg, kEditPageBg, typed);
  PutPairs(ed, screen.area, screen.pairs);
  const console::Rect& a = screen.area;
  ed.selection.area = core::AreaCorners{a.top, a.left, a.bottom, a.right};
  ed.selection.flag_first = a.top;
  ed.selection.flag_last = a.bottom;
  return LoadOutcome::kShown;
}

}  // namespace tessella::files
