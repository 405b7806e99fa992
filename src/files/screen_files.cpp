#include "files/screen_files.h"

#include "console/screen_image.h"
#include "core/area_bounds.h"
#include "files/binary_screens.h"
#include "files/bsave_file.h"
#include "files/file_document.h"
#include "files/file_names.h"
#include "files/pop_file.h"
#include "ui/message_box.h"

namespace tessella::files {
namespace {

constexpr std::string_view kNotBsave = " This file is not in Bsave format ";
constexpr int kNotBsaveRow = 2;
constexpr int kNotBsaveCol = 30;
constexpr int kSavingPause = 200;

std::string_view SavingTitle() { return "   Tessella    Version 2.9     Saving  "; }

}  // namespace

LoadOutcome LoadBinaryScreens(core::Editor& ed, const std::string& path, CellForm form) {
  std::string bytes = ed.files.Read(path);
  ApplyWidthSuffix(ed, path);
  const int room = kLoadRowLimit - ed.doc.store.current;
  LoadedRows loaded = form == CellForm::kTwoByte ? DecodeBny(bytes, ed.cols(), room)
                                                 : DecodeBna(bytes, ed.cols(), room);
  if (form == CellForm::kTwoByte) ed.files_memory.backup = std::move(bytes);
  if (StoreLoadedRows(ed, std::move(loaded.rows)) || loaded.cut) SayFileWasCut(ed);
  return LoadOutcome::kShown;
}

LoadOutcome LoadBsave(core::Editor& ed, const std::string& path) {
  std::string bytes = ed.files.Read(path);
  ed.files_memory.backup = bytes;
  if (bytes.empty() || static_cast<unsigned char>(bytes[0]) != kBsaveMagic) {
    PutAt(ed, kNotBsaveRow, kNotBsaveCol, ed.pen.txcolor, ed.pen.bgcolor, kNotBsave);
    ed.Pause(ui::kFileMessageMs);
    return LoadOutcome::kRefused;
  }
  if (const std::optional<ConsoleSize> size = BsaveSizeSuffix(path);
      size && (size->rows != ed.rows() || size->cols != ed.cols()))
    ResizeForFile(ed, size->rows, size->cols);
  const int height = ed.rows() - 1;
  const int width = ed.cols();
  const std::optional<std::string> pairs = DecodeBsa(bytes, width, height);
  ed.console.WriteRegion(1, 1, height, width, RecordsOf(*pairs));
  ed.pen.cursor_row = 1;
  ed.pen.cursor_col = 1;
  ed.console.Locate(1, 1);
  return LoadOutcome::kShown;
}

LoadOutcome LoadPop(core::Editor& ed, const std::string& path) {
  const PopContent pop = DecodePop(ed.files.Read(path), ed.rows() - 1, ed.cols());
  if (pop.refusal != PopRefusal::kNone) return LoadOutcome::kWrongType;
  const console::Rect& a = pop.area;
  ed.selection.area = core::AreaCorners{a.top, a.left, a.bottom, a.right};
  ed.console.WriteRegion(a.top, a.left, a.bottom, a.right, RecordsOf(pop.pairs));
  return LoadOutcome::kShown;
}

bool SaveBinaryScreens(core::Editor& ed, const std::string& path, CellForm form, bool save_part) {
  const int current = ed.doc.store.current;
  const std::optional<PageRange> range = PagesForSave(ed, save_part);
  if (!range) return false;
  ed.console.SetCursorVisible(false);
  ed.console.SetTitle(std::string(SavingTitle()) + path);
  if (form == CellForm::kTwoByte) {
    if (const std::optional<std::string> backup = BnkBackupName(path)) {
      ed.files.Write(*backup, ed.files_memory.backup);
      ed.Pause(kSavingPause);
    }
  }
  const std::string bytes = form == CellForm::kTwoByte
                                ? EncodeBny(DocumentRows(ed), *range, ConsolePage(ed))
                                : EncodeBna(DocumentRows(ed), *range, ConsolePage(ed));
  ed.doc.store.current = current;
  ed.files.Write(path, bytes);
  return true;
}

bool SaveBsave(core::Editor& ed, const std::string& path) {
  const console::ScreenImage page = ed.console.ReadImage(1, 1, ed.rows() - 1, ed.cols()).ToScreen();
  ed.files.Write(path, EncodeBsa(page));
  ed.pen.cursor_row = 1;
  ed.pen.cursor_col = 1;
  return true;
}

bool SavePop(core::Editor& ed, const std::string& path) {
  const console::Rect area = core::ClipArea(ed.console, ed.selection.area, ed.rows() - 1);
  if (area.empty()) {
    ui::ShowMessage(ed.modal(), "The area is not on the work screen");
    return false;
  }
  const console::ScreenImage cells =
      ed.console.ReadImage(area.top, area.left, area.bottom, area.right).ToScreen();
  const std::optional<std::string> bytes = EncodePop(area.top, area.left, cells);
  if (!bytes) {
    ui::ShowMessage(ed.modal(), "A .POP file holds areas within rows and columns 1 to 255 only");
    return false;
  }
  ed.files.Write(path, *bytes);
  return true;
}

}  // namespace tessella::files
