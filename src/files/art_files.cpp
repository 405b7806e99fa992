// Text art in Open and Save: the art codecs' pictures in and out of the document.
#include <algorithm>

#include "console/screen_image.h"
#include "files/art_ansi.h"
#include "files/art_xbin.h"
#include "files/file_document.h"
#include "files/file_names.h"
#include "files/screen_files.h"
#include "ui/message_box.h"

namespace tessella::files {
namespace {

constexpr int kRowsForArt = 35;
// Cells a picture narrower than the console does not cover: blank in the art's own
// grey on black.
constexpr std::uint8_t kArtBlankAttr = 0x07;

// The rows of the picture as row images of the console's width.
std::vector<std::string> RowImages(const console::ScreenImage& cells, int cols) {
  std::vector<std::string> rows;
  rows.reserve(static_cast<size_t>(cells.height()));
  const int held = std::min(cells.width(), cols);
  for (int r = 1; r <= cells.height(); ++r) {
    std::string row = RecordsOf(cells.row(r).substr(0, static_cast<size_t>(held) * console::kPairBytes));
    for (int c = held; c < cols; ++c)
      row += {' ', static_cast<char>(console::kPad), static_cast<char>(kArtBlankAttr),
              static_cast<char>(console::kPad)};
    rows.push_back(std::move(row));
  }
  return rows;
}

// A file's name without its folders and its last extension: the title of a new SAUCE
// record.
std::string TitleOf(const std::string& path) {
  std::string title(BaseName(path));
  if (const size_t dot = title.find_last_of('.'); dot != std::string::npos && dot > 0) title.resize(dot);
  return title;
}

// How many rows of the range a picture takes: up to the last one drawn on. The
// document's blank rows at the end (the paper under a picture that was opened, or the
// page after it that the commit brings in) are no part of the art.
int PictureRows(const core::Editor& ed, PageRange range) {
  int rows = range.pages * (ed.rows() - 1);
  while (rows > 1 && ed.doc.store.row(range.first_row + rows - 1).empty()) --rows;
  return rows;
}

// An XBin file's own palette and font as the editor keeps them between Open and Save:
// an XBin file of one blank cell; nothing for the VGA look.
std::string KeptLook(const XBinLook& look) {
  if (look.palette.empty() && look.font.empty()) return {};
  ArtDocument holder;
  holder.cells = console::ScreenImage(1, 1);
  holder.look = look;
  return WriteXBin(holder, {.compress = false, .sauce = false});
}

}  // namespace

LoadOutcome LoadArt(core::Editor& ed, const std::string& path, const ArtFormat& format) {
  const std::string bytes = ed.files.Read(path);
  ArtDocument art;
  try {
    art = format.read(bytes, ArtReadOptions{0, BaseName(path)});
  } catch (const ArtError&) {
    return LoadOutcome::kWrongType;
  }
  const int width = art.cells.width();
  if (width > 0 && width != ed.cols()) ResizeForFile(ed, kRowsForArt, width);
  const bool cut = StoreLoadedRows(ed, RowImages(art.cells, ed.cols()));
  ed.files_memory.art_sauce = art.sauce ? EncodeSauce(*art.sauce) : std::string();
  ed.files_memory.art_look = KeptLook(art.look);
  if (cut || art.clipped) SayFileWasCut(ed);
  return LoadOutcome::kShown;
}

bool SaveArt(core::Editor& ed, const std::string& path, const ArtFormat& format, bool save_part) {
  const int current = ed.doc.store.current;
  const std::optional<PageRange> range = PagesForSave(ed, save_part);
  ed.doc.store.current = current;
  if (!range) return false;
  ArtDocument art;
  art.cells = console::ScreenImage::FromPairs(EncodeBny(DocumentRows(ed), *range, ConsolePage(ed)),
                                              ed.cols());
  art = SliceRows(art, 1, PictureRows(ed, *range));
  art.sauce = SplitSauce(ed.files_memory.art_sauce).sauce;
  if (!ed.files_memory.art_look.empty()) art.look = ReadXBin(ed.files_memory.art_look).look;
  if (!art.sauce) {
    Sauce fresh;
    fresh.title = TitleOf(path);
    fresh.flags = kSauceEightPixels;
    fresh.font = kSauceVgaFont;
    art.sauce = fresh;
  }
  // A kept record keeps the date the art was made; one without gets the save's.
  if (art.sauce->date.empty()) art.sauce->date = ed.host.Today();
  std::string bytes;
  try {
    bytes = format.write(art);
  } catch (const ArtError& e) {
    ui::ShowMessage(ed.modal(), e.what());
    return false;
  }
  ed.files.Write(path, bytes);
  if (format.extension == ".ANS") {
    if (const int n = AnsiUnwritableCells(art.cells); n > 0)
      ui::ShowMessage(ed.modal(), std::to_string(n) + " cells held characters ANSI art cannot carry: written as blanks");
  }
  return true;
}

}  // namespace tessella::files
