// Open and Save as commands: what they write and read through the file system, the
// names they keep, the pages they take, and what the user sees when a file or the disk
// says no (the fake file system fails on demand).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "area_bench.h"
#include "art_samples.h"
#include "files/art_formats.h"
#include "files/art_xbin.h"
#include "files/file_commands.h"
#include "files/sauce_record.h"
#include "ui/catalogue.h"

namespace tessella::files {
namespace {

struct FileBench : testing::AreaBench {
  explicit FileBench(int rows = 35, int cols = 90) : AreaBench(rows, cols) {
    ed.doc.store.Blank(cols);
  }
  void Save(std::string_view keys, bool save_as = false, bool save_part = false) {
    host.Queue(keys);
    ed.loop.save_as = save_as;
    ed.loop.save_part = save_part;
    core::Event ev;
    SaveFile(ed, ev);
    EXPECT_EQ(host.pending(), 0u);
  }
  void Open(const std::string& name, std::string_view more = "") {
    host.Queue("type " + name + "\nkey Enter\n");
    host.Queue(more);
    core::Event ev;
    OpenFile(ed, ev);
    EXPECT_EQ(host.pending(), 0u);
  }
  std::string& File(const std::string& name) { return files.files["/work/" + name]; }
  // Cells as (character, attribute) pairs of one displayed row, columns from..to.
  std::string Cells(int row, int from, int to) const {
    return console.ReadImage(row, from, row, to).ToScreen().bytes();
  }
  // Whether some pause showed `text` at (row, col).
  bool Showed(int row, int col, std::string_view text) const {
    for (const std::string& s : screens.at_pause) {
      std::string seen;
      for (size_t i = 0; i < text.size(); ++i)
        seen += s[2 * ((static_cast<size_t>(row) - 1) * static_cast<size_t>(console.cols()) + col - 1 + i)];
      if (seen == text) return true;
    }
    return false;
  }
};

// A work screen of printable characters in every colour: what every format carries.
void PaintPrintable(FileBench& b) {
  for (int r = 1; r < b.console.rows(); ++r)
    for (int c = 1; c <= b.console.cols(); ++c)
      b.console.PutText(r, c, (r + c) % 16, (r * 3 + c) % 16,
                        std::string(1, static_cast<char>(33 + (r * 7 + c) % 94)));
}

TEST(SaveCommand, OneTypedKeyGivesThreePagesAndEachKindItsSize) {
  struct Case {
    const char* name;
    size_t size;
    std::string_view start;
  };
  const Case cases[] = {{"x.bny", 18360, ""},
                        {"x.bna", 36720, ""},
                        {"Keep.Bnk", 18360, ""},  // like .BNY, never text over a backup
                        {"x.bsa", 6127, "\xFD\x20\xB8\x20\x20\xA0\x0F"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FileBench b;
    b.Run("type a\n");
    b.Save(std::string("type ") + c.name + "\nkey Enter\n");
    EXPECT_EQ(b.File(c.name).size(), c.size);
    EXPECT_EQ(b.File(c.name).substr(0, c.start.size()), c.start);
    EXPECT_EQ(b.ed.doc.file_name, c.name);
    EXPECT_EQ(b.files.files.count("/work/x.bnk"), std::string_view(c.name) == "x.bny" ? 1u : 0u);
    EXPECT_TRUE(b.console.cursor_visible());
  }
}

TEST(SaveCommand, EveryFormatOpensAgainInAFreshEditorToTheSameCells) {
  for (const char* name : {"d.bny", "d.bna", "d.bsa", "d.ans", "d.bin", "d.xb"}) {
    SCOPED_TRACE(name);
    FileBench saved;
    PaintPrintable(saved);
    saved.Save(std::string("type ") + name + "\nkey Enter\n");
    FileBench fresh;
    fresh.files = saved.files;
    fresh.Open(name);
    EXPECT_EQ(fresh.WorkScreen().size(), saved.WorkScreen().size());
    for (int r = 1; r < 35; ++r) ASSERT_EQ(fresh.Cells(r, 1, 90), saved.Cells(r, 1, 90)) << r;
  }
}

TEST(SaveCommand, ArtKeepsItsSauceRecordAndTitle) {
  FileBench saved;
  saved.host.today = "20261209";
  PaintPrintable(saved);
  saved.Save("type Logo.ans\nkey Enter\n");
  const std::string& bytes = saved.File("Logo.ans");
  const std::optional<Sauce> sauce = SplitSauce(bytes).sauce;
  ASSERT_TRUE(sauce);
  EXPECT_EQ(sauce->title, "Logo");
  EXPECT_EQ(sauce->font, "IBM VGA");
  EXPECT_EQ(sauce->date, "20261209");
  EXPECT_EQ(sauce->tinfo1, 90);
  EXPECT_EQ(sauce->tinfo2, 34);  // the page after it, which the commit counts, is blank
  EXPECT_TRUE(sauce->ice_colours());

  FileBench fresh;
  fresh.host.today = "20270101";
  fresh.files = saved.files;
  fresh.Open("Logo.ans");
  EXPECT_EQ(fresh.ed.doc.file_name, "Logo.ans");  // Save writes straight back
  EXPECT_EQ(ArtTitle(fresh.ed), "Logo");
  fresh.Save("");
  EXPECT_EQ(SplitSauce(fresh.File("Logo.ans")).sauce->title, "Logo");
  fresh.Save("type Other.xb\nkey Enter\n", true);  // the record read is kept, title and all
  EXPECT_EQ(SplitSauce(fresh.File("Other.xb")).sauce->title, "Logo");
  EXPECT_EQ(SplitSauce(fresh.File("Other.xb")).sauce->date, "20261209");  // when it was made
  EXPECT_EQ(ArtTitle(fresh.ed), "Logo");
}

// Real art opened and saved straight back: the file holds the same picture, no taller,
// whatever blank pages the document holds under it.
TEST(SaveCommand, ArtOpenedAndSavedBackIsTheSamePicture) {
  ArtDocument xbin;  // an XBin file with a palette and a 512-glyph font of its own
  xbin.cells = testing::SamplePicture(80, 20);
  xbin.look.palette = std::string(48, '\x2A');
  xbin.look.font = std::string(512 * 8, '\x3C');
  xbin.look.font_height = 8;
  xbin.look.wide_font = true;
  const std::pair<const char*, std::string> cases[] = {
      {"bass.ans", testing::ArtData("ans/bass.ans")},
      {"ny2008-intro.ans", testing::ArtData("ans/ny2008-intro.ans")},
      {"waiting.bin", testing::ArtData("bin/waiting.bin")},
      {"endoom.bin", testing::ArtData("bin/endoom.lmp")},
      {"own.xb", WriteXBin(xbin)},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    const ArtFormat& format = *FindArtFormat(name);
    FileBench b;
    b.File(name) = bytes;
    b.Open(name);
    b.Save("");
    const ArtDocument before = format.read(bytes, {});
    const ArtDocument after = format.read(b.File(name), {});
    EXPECT_EQ(after.cells, before.cells);
    EXPECT_EQ(after.look, before.look);
  }
}

TEST(OpenCommand, BinaryScreensFillTheDocumentFromThePageOnDisplay) {
  FileBench b;
  b.Run("key PgDn\nkey PgDn\n");
  ASSERT_EQ(b.ed.doc.store.current, 68);
  const std::string row(240, 'w');  // two rows of 120 cells, the second one short
  b.File("Wide-120.bny") = row + row.substr(0, 100);
  b.Open("Wide-120.bny");
  EXPECT_EQ(b.console.cols(), 120);
  EXPECT_EQ(b.console.rows(), 35);
  EXPECT_EQ(b.ed.doc.store.row(68).size(), 480u);
  EXPECT_EQ(b.ed.doc.store.row(69).size(), 200u);  // a short last row stays short
  EXPECT_EQ(b.ed.doc.store.row(1).size(), 480u);   // the rest of the document is as wide
  EXPECT_EQ(b.Cells(1, 120, 120), "ww");
  EXPECT_EQ(b.ed.doc.highest_row, 69);
  EXPECT_EQ(b.ed.doc.last_page_index, 2);
  EXPECT_EQ(b.ed.doc.file_name, "");  // Save asks again after a .BNY
  EXPECT_EQ(b.ed.files_memory.backup, b.File("Wide-120.bny"));

  // A suffix outside the console limits is ignored; the backup goes beside the file.
  b.File("m-999.bny") = "AB";
  b.Open("m-999.bny");
  EXPECT_EQ(b.console.cols(), 120);
  b.Save("type m-999.bny\nkey Enter\n");
  EXPECT_EQ(b.File("m-999.bnk"), "AB");

  // A file running past the end of the document is cut, and the user told.
  b.ed.doc.store.current = 33966;
  b.File("long.bna") = std::string(40 * 120 * 4, 'x');
  const int beeps = b.host.beeps;
  b.Open("long.bna");
  EXPECT_EQ(b.ed.doc.store.row(33999).size(), 480u);
  EXPECT_TRUE(b.ed.doc.store.row(34000).empty());
  EXPECT_EQ(b.host.beeps, beeps + 1);
  EXPECT_EQ(b.ed.doc.file_name, "long.bna");  // Save writes straight back
}

TEST(OpenCommand, UndoCannotBringBackTheDesignTheFileReplaced) {
  // The name stays after a .BNA: were the old design brought back, Save would write it
  // over the file just opened.
  FileBench saved;
  saved.Run("type file\n");
  saved.Save("type d.bna\nkey Enter\n");
  const std::string page = saved.File("d.bna").substr(0, 34 * 90 * 4);
  FileBench b;
  b.files = saved.files;
  b.Run("type old\nclick 5 5\nclick 5 5\ntype x\nkey Alt-O\ntype d.bna\nkey Enter\nkey Alt-U\n");
  EXPECT_EQ(b.Cells(10, 40, 43), "f\xF1i\xF1l\xF1" "e\xF1");
  b.Run("key Alt-S\n");
  EXPECT_TRUE(b.File("d.bna").substr(0, page.size()) == page);
}

TEST(SaveCommand, SavePartWritesTheCountFromThePageOnDisplay) {
  FileBench b;
  b.Run("key PgDn\ntype p2\n");
  b.Save("type part.bny\nkey Enter\ntype 2\nkey Enter\n", false, true);
  const std::string& file = b.File("part.bny");
  ASSERT_EQ(file.size(), 2u * 6120);
  EXPECT_EQ(file.substr(2 * (9 * 90 + 39), 4), "p\xF1" "2\xF1");
  EXPECT_FALSE(b.ed.loop.save_part);
  b.Save("key Enter\ntype 0000003\nkey Enter\n", false, true);  // the whole line counts
  EXPECT_EQ(b.File("part.bny").size(), 3u * 6120);
  b.Save("key Enter\ntype 99999\nkey Enter\n", false, true);  // bounded by the store
  EXPECT_EQ(b.File("part.bny").size(), (35001u - 34) / 34 * 6120);
  b.Save("key Enter\nkey Enter\n", false, true);  // no number: every page from page 1
  EXPECT_EQ(b.File("part.bny").size(), 4u * 6120);
  for (const char* none : {"0", "none"}) {  // no page: the file and its backup stay
    const int writes = b.files.writes;
    b.Save(std::string("key Enter\ntype ") + none + "\nkey Enter\n", false, true);
    EXPECT_EQ(b.files.writes, writes);
    EXPECT_EQ(b.File("part.bny").size(), 4u * 6120);
  }
}

TEST(SaveCommand, NamesWithoutExtensionAreAskedForThreeTimesEachSave) {
  FileBench b;
  b.Save("type a\nkey Enter\ntype b\nkey Enter\ntype c\nkey Enter\n");
  EXPECT_EQ(b.files.writes, 0);
  EXPECT_TRUE(b.Showed(2, 30, "You need to Enter an Extention"));
  b.Save("type a\nkey Enter\ntype a.bna\nkey Enter\n");  // counted again from nothing
  EXPECT_EQ(b.files.writes, 1);
}

TEST(SaveCommand, AFailedWriteKeepsTheOldFileTheDesignAndTheName) {
  enum Fault { kDiskFull, kReadOnly, kFolderGone };
  for (Fault fault : {kDiskFull, kReadOnly, kFolderGone}) {
    SCOPED_TRACE(fault);
    FileBench b;
    b.File("old.bny") = "old";
    b.ed.doc.file_name = "old.bny";
    if (fault == kDiskFull) b.files.free_bytes = 100;
    if (fault == kReadOnly) b.files.read_only_folders.insert("/work");
    PaintPrintable(b);
    const console::RecordImage before = b.console.Snapshot();
    const std::string name = fault == kFolderGone ? "gone/new.bny" : "old.bny";
    EXPECT_THROW(b.Save("type " + name + "\nkey Enter\nkey Enter\n", true, true), ports::FileError);
    EXPECT_EQ(b.File("old.bny"), "old");
    EXPECT_EQ(b.console.Snapshot(), before);
    EXPECT_EQ(b.ed.doc.file_name, "old.bny");
    EXPECT_FALSE(b.ed.loop.save_part);
  }
}

TEST(OpenCommand, RefusalsAndBadFilesLeaveTheConsoleAsItWas) {
  FileBench b;
  PaintPrintable(b);
  const console::RecordImage before = b.console.Snapshot();
  for (const char* name : {"tool.dll", "tool.exe", "no.bsa", "gone.bny"}) b.File(name) = "MZ";
  b.files.vanishing.insert("/work/gone.bny");
  b.File("bad.pop") = std::string("\x07\x05\x0A\x1D");  // bottom above top
  for (const char* refused : {"tool.dll", "tool.exe", "no.bsa"}) {
    b.Open(refused);
    EXPECT_EQ(b.ed.doc.file_name, "") << refused;  // Save must not write over it
  }
  b.Open("bad.pop", "key Esc\n");  // "Wrong file type", then the chooser again
  EXPECT_THROW(b.Open("gone.bny"), ports::FileError);
  EXPECT_TRUE(b.Showed(1, 20, " Sorry, can't  display DLL files "));
  EXPECT_TRUE(b.Showed(1, 20, " Sorry, can't display EXE files "));
  EXPECT_TRUE(b.Showed(2, 30, " This file is not in Bsave format "));
  EXPECT_TRUE(b.Showed(1, 29, "  Wrong file type  "));
  EXPECT_EQ(b.console.Snapshot(), before);
  EXPECT_EQ(b.ed.doc.file_name, "");
}

TEST(PopFiles, TheAreaGoesOutAndComesBackAtItsPlace) {
  FileBench b;
  PaintPrintable(b);
  b.Save("type box.pop\nkey Enter\nkey Enter\n");  // no area: the two-corner warning
  EXPECT_EQ(b.files.writes, 0);
  b.ed.selection.area = {5, 10, 7, 29};
  b.ed.selection.flag_first = 5;
  b.ed.selection.flag_last = 7;
  b.Save("type box.pop\nkey Enter\n");
  ASSERT_EQ(b.File("box.pop").size(), 124u);
  EXPECT_EQ(b.File("box.pop").substr(0, 4), "\x05\x07\x0A\x1D");

  FileBench fresh;
  fresh.files = b.files;
  fresh.Open("box.pop");
  for (int r = 5; r <= 7; ++r) EXPECT_EQ(fresh.Cells(r, 10, 29), b.Cells(r, 10, 29));
  EXPECT_EQ(fresh.Cells(8, 10, 29), FileBench().Cells(8, 10, 29));
  EXPECT_EQ(fresh.ed.selection.area.c2, 29);

  FileBench wide(35, 300);
  wide.ed.selection.area = {5, 250, 7, 260};
  wide.ed.selection.flag_first = 5;
  wide.ed.selection.flag_last = 7;
  wide.Save("type far.pop\nkey Enter\n");
  EXPECT_EQ(wide.files.writes, 0);
  EXPECT_EQ(wide.host.beeps, 1);
}

TEST(OpenCommand, RealBsaveScreensTakeTheSizeTheirNameGives) {
  const auto data = [](const char* name) {
    std::ifstream in(std::string(TESSELLA_SOURCE_DIR "/tests/data/bsave/") + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  FileBench b;
  // A design whose last row in use is on page 3 of 34 rows.
  b.Run("key PgDn\nkey PgDn\nclick 34 1\nclick 34 1\ntype end\nkey PgUp\nkey PgUp\n");
  b.File("POSDEPT-080.BSA") = data("POSDEPT.MSK");
  b.File("blue-080.bsa") = data("BLUE(F).MF0");
  b.File("TITLE25-080.BSA") = data("TITLE.SCN");  // graphics: shown as cells, no harm
  b.Open("POSDEPT-080.BSA");
  EXPECT_EQ(b.console.rows(), 26);
  EXPECT_EQ(b.console.cols(), 80);
  EXPECT_EQ(b.console.ReadImage(1, 1, 25, 80).ToScreen().bytes(), b.File("POSDEPT-080.BSA").substr(7, 4000));
  EXPECT_EQ(b.ed.doc.file_name, "POSDEPT-080.BSA");
  // Pages of 25 rows: a save still takes that row, 101 rows down.
  b.Save("type all.bny\nkey Enter\n", true);
  EXPECT_EQ(b.File("all.bny").substr(101 * 80 * 2, 6), "e\xF1n\xF1" "d\xF1");
  b.Open("blue-080.bsa");
  EXPECT_EQ(b.console.ReadImage(1, 1, 25, 80).ToScreen().bytes(), b.File("blue-080.bsa").substr(7, 4000));
  b.Open("TITLE25-080.BSA");
  EXPECT_EQ(b.console.rows(), 25);
  EXPECT_EQ(b.ed.files_memory.backup.size(), 20008u);
}

}  // namespace
}  // namespace tessella::files
