#include "files/design_formats.h"

#include <array>
#include <optional>
#include <string>

#include "console/console.h"
#include "files/binary_screens.h"
#include "files/bsave_file.h"
#include "files/file_names.h"
#include "files/pop_file.h"

namespace tessella::files {
namespace {

// These kinds do not store their width: the --width given, else the name's "-NNN"
// suffix, else the console's default width.
int WidthFor(const ArtReadOptions& o) {
  if (o.width > 0) return o.width;
  return WidthSuffix(o.base_name).value_or(console::Console::kDefaultCols);
}

// The rows a design file holds, at most as many as a picture may have.
ArtDocument FromRows(const LoadedRows& loaded, int width) {
  std::string records;
  for (const std::string& row : loaded.rows) records += row;
  ArtDocument doc;
  doc.cells = console::RecordImage::FromRecords(records, width).ToScreen();
  doc.clipped = loaded.cut;
  if (doc.cells.empty()) throw ArtError("the file holds no cells");
  return doc;
}

ArtDocument ReadBny(std::string_view bytes, const ArtReadOptions& o) {
  const int width = WidthFor(o);
  return FromRows(DecodeBny(bytes, width, MaxArtRows(width)), width);
}

ArtDocument ReadBna(std::string_view bytes, const ArtReadOptions& o) {
  const int width = WidthFor(o);
  return FromRows(DecodeBna(bytes, width, MaxArtRows(width)), width);
}

// The pages back to back: a design file is its rows, two or four bytes a cell.
std::string WriteBny(const ArtDocument& doc) { return doc.cells.bytes(); }
std::string WriteBna(const ArtDocument& doc) { return doc.cells.ToRecords().bytes(); }

ArtDocument ReadBsa(std::string_view bytes, const ArtReadOptions& o) {
  // The size the name gives, else as many rows of the width as the data fills.
  const std::optional<ConsoleSize> size = BsaveSizeSuffix(o.base_name);
  const int width = o.width > 0 ? o.width : size ? size->cols : console::Console::kDefaultCols;
  const size_t data = bytes.size() > kBsaveHeaderBytes ? bytes.size() - kBsaveHeaderBytes : 0;
  const int height = size && o.width <= 0
                         ? size->rows - 1
                         : std::max(1, static_cast<int>(data / 2 / static_cast<size_t>(width)));
  const std::optional<std::string> pairs = DecodeBsa(bytes, width, height);
  if (!pairs) throw ArtError("not a BSAVE image");
  ArtDocument doc;
  doc.cells = console::ScreenImage::FromPairs(*pairs, width);
  if (doc.cells.empty()) throw ArtError("the file holds no cells");
  return doc;
}

std::string WriteBsa(const ArtDocument& doc) { return EncodeBsa(doc.cells); }

ArtDocument ReadPop(std::string_view bytes, const ArtReadOptions&) {
  const PopContent pop = DecodePop(bytes, kPopMaxCoordinate, kPopMaxCoordinate);
  if (pop.refusal != PopRefusal::kNone) throw ArtError("not a pop file");
  ArtDocument doc;
  doc.cells = console::ScreenImage(pop.area.width(), pop.area.height());
  const console::ScreenImage read = console::ScreenImage::FromPairs(pop.pairs, pop.area.width());
  for (int r = 1; r <= read.height(); ++r)
    for (int c = 1; c <= read.width(); ++c) doc.cells.Set(r, c, read.ch(r, c), read.attr(r, c));
  return doc;
}

// A converted picture keeps no place: it goes to the top-left corner.
std::string WritePop(const ArtDocument& doc) {
  std::optional<std::string> bytes = EncodePop(1, 1, doc.cells);
  if (!bytes) throw ArtError("a pop file holds at most 255 rows and 255 columns");
  return *bytes;
}

const std::array<ArtFormat, 5> kFormats = {{
    {".BNY", "Tessella design, two bytes a cell (width from -NNN in the name, or 90)", ReadBny,
     WriteBny},
    {".BNK", "backup of a .BNY design, read like it", ReadBny, WriteBny},
    {".BNA", "Tessella design, four bytes a cell", ReadBna, WriteBna},
    {".BSA", "BSAVE image of a text screen (size from NN-NNN in the name)", ReadBsa, WriteBsa},
    {".POP", "one area with its place (at most 255 x 255)", ReadPop, WritePop},
}};

}  // namespace

std::span<const ArtFormat> DesignFormats() { return kFormats; }

}  // namespace tessella::files
