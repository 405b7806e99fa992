// Include files, DATA sources and text through the Open and Save commands, where the
// disk or the user says no: every rewrite leaves the old file (and its backup) whole,
// refused names and choices write nothing, Edit Include keeps the page unless the
// screen is there, and the text view stops at the end of the document.
#include <gtest/gtest.h>

#include "area_bench.h"
#include "files/file_commands.h"
#include "files/include_file.h"

namespace tessella::files {
namespace {

struct Bench : testing::AreaBench {
  Bench() { ed.doc.store.Blank(90); }
  void Choose(int top, int left, int bottom, int right) {
    ed.selection.area = {top, left, bottom, right};
    ed.selection.flag_first = top;
    ed.selection.flag_last = bottom;
  }
  void Save(std::string_view keys) {
    host.Queue(keys);
    ed.loop.save_as = true;
    core::Event ev;
    SaveFile(ed, ev);
    EXPECT_EQ(host.pending(), 0u);
  }
  void Open(const std::string& name, std::string_view more) {
    host.Queue("type " + name + "\nkey Enter\n");
    host.Queue(more);
    core::Event ev;
    OpenFile(ed, ev);
    EXPECT_EQ(host.pending(), 0u);
  }
  std::string& File(const std::string& name) { return files.files["/work/" + name]; }
};

// The keys that save the chosen area into each kind of file, after its name.
constexpr std::string_view kIncKeys = "type MENU\nkey Enter\nclick 20 35\n";
constexpr std::string_view kBasKeys = "click 12 48\nclick 16 40\ntype L\nkey Enter\n";

TEST(IncludeCommands, EveryRewriteLeavesTheOldFileAndItsBackupWhole) {
  struct Case {
    const char* name;
    std::string_view keys;
    long long free_bytes;  // the backup fits, the new content does not
    bool read_only;
  };
  const Case cases[] = {{"menu.inc", kIncKeys, 20, false},
                        {"menu.inc", kIncKeys, -1, true},
                        {"data.bas", kBasKeys, 20, false},
                        {"notes.txt", "", 20, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bench b;
    b.PaintPattern();
    b.Choose(5, 10, 7, 29);
    b.File(c.name) = "old content";
    b.File("menu.bac") = "older backup";
    b.files.free_bytes = c.free_bytes;
    if (c.read_only) b.files.read_only_folders.insert("/work");
    const console::RecordImage before = b.console.Snapshot();
    EXPECT_THROW(b.Save("type " + std::string(c.name) + "\nkey Enter\n" + std::string(c.keys)),
                 ports::FileError);
    EXPECT_EQ(b.File(c.name), "old content");
    // The backup holds the file as it was once it could be written, else what it held.
    EXPECT_EQ(b.File("menu.bac"), c.read_only || c.keys != kIncKeys ? "older backup" : "old content");
    EXPECT_EQ(b.console.Snapshot(), before);
    EXPECT_EQ(b.ed.doc.file_name, "");
  }
}

TEST(IncludeCommands, RefusedNamesAndChoicesLeftWriteNothing) {
  const std::string_view refusals[] = {
      "type menu.inc\nkey Enter\nkey Enter\n",                        // no name
      "type menu.inc\nkey Enter\ntype  putz\nkey Enter\n",            // the launchers' own
      "type menu.inc\nkey Enter\ntype Launch\nkey Enter\n",
      "type menu.inc\nkey Enter\ntype MENU\nkey Enter\nclick 5 5\n",  // beside both kinds
      "type menu.bi\nkey Enter\nkey Enter\n",                         // a key, not FB or QB
      "type data.bas\nkey Enter\nkey Esc\n",                          // the DOS dialog left
  };
  for (std::string_view keys : refusals) {
    SCOPED_TRACE(keys);
    Bench b;
    b.PaintPattern();
    b.Choose(5, 10, 7, 29);
    const console::RecordImage before = b.console.Snapshot();
    b.Save(keys);
    EXPECT_EQ(b.files.writes, 0);
    EXPECT_EQ(b.console.Snapshot(), before);
    EXPECT_TRUE(b.ed.selection.Confirmed());
  }
}

TEST(IncludeCommands, EditIncludeKeepsThePageUnlessTheScreenIsThere) {
  const console::ScreenImage cells(20, 3, 'q', 0x71);
  std::string file = SaveIncludeScreen("", IncludeKind::kPbdos, "MENU", 5, 10, cells);
  file = SaveIncludeScreen(file, IncludeKind::kQb, "FAR", 40, 10, cells);  // below 34 rows
  for (const char* typed : {"", "putz", "MENU2", "far"}) {
    SCOPED_TRACE(typed);
    Bench b;
    b.PaintPattern();
    b.File("menu.inc") = file;
    const console::RecordImage before = b.console.Snapshot();
    b.Open("menu.inc", *typed ? "type " + std::string(typed) + "\nkey Enter\n" : "key Enter\n");
    EXPECT_EQ(b.console.Snapshot(), before);
    EXPECT_EQ(b.host.beeps, 1);  // told why
    EXPECT_EQ(b.ed.doc.file_name, "");
    EXPECT_EQ(b.ed.files_memory.backup, file);
  }
  Bench b;
  b.PaintPattern();
  b.File("menu.inc") = file;
  b.Open("menu.inc", "type  Menu\nkey Enter\n");
  EXPECT_EQ(b.console.ReadImage(5, 10, 7, 29).ToScreen(), cells);
  EXPECT_EQ(b.console.ReadImage(1, 1, 1, 5).ToScreen().bytes(), " \xF1M\xF1" "e\xF1n\xF1u\xF1");
  EXPECT_EQ(b.console.AtOutput(8, 10).attr, 0xF1);  // the rest of the page cleared
  EXPECT_TRUE(b.ed.selection.Confirmed());
  EXPECT_EQ(b.ed.selection.area.c2, 29);
}

TEST(IncludeCommands, TextViewStopsAtTheEndOfTheDocumentAndSaysSo) {
  Bench b;
  b.ed.doc.store.current = 33966;
  std::string text;
  for (int i = 1; i <= 100; ++i) text += "line " + std::to_string(i) + "\n";
  b.File("long.txt") = text;
  b.Open("long.txt", "");
  EXPECT_EQ(b.host.beeps, 1);
  const std::string& last = b.ed.doc.store.row(33999);  // line 34 at column 3
  EXPECT_EQ(std::string({last[8], last[28], last[32], last[34]}), "l34\xF1");
  EXPECT_TRUE(b.ed.doc.store.row(34000).empty());
  EXPECT_EQ(b.ed.doc.store.current, 33966);
  EXPECT_EQ(b.ed.doc.last_page_index, 33999 / 34);
  EXPECT_EQ(b.console.AtOutput(1, 3).ch, 'l');
}

}  // namespace
}  // namespace tessella::files
