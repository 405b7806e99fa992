// The file chooser: the kinds it lists and their order, typing a name, the mouse, the
// refusals of Open, and that it leaves the console as it found it, even a small one.
#include <gtest/gtest.h>

#include "area_bench.h"
#include "files/file_chooser.h"
#include "ui/catalogue.h"

namespace tessella::files {
namespace {

using testing::DisplayedScreen;

TEST(FileFilters, TheKindOfTheLastNameComesFirst) {
  struct Case {
    ChooserMode mode;
    const char* last_name;
    std::vector<std::string_view> first;
    size_t count;
  };
  const Case cases[] = {
      {ChooserMode::kOpen, "", {"All Files       (*.*)", "Binary          (*.BNY)"}, 10},
      {ChooserMode::kOpen, "x.bna", {"Binary - API    (*.BNA)", "Binary          (*.BNY)"}, 10},
      {ChooserMode::kOpen, "old/menu.BI", {"FreeBasic #INCLUDE (*.BI)", "PBCC #INCLUDE   (*.INC)"}, 10},
      {ChooserMode::kOpen, "x.dat", {"All Files       (*.*)"}, 10},
      {ChooserMode::kOpen, "x.bin", {"Binary screen   (*.BIN)", "All Files       (*.*)"}, 10},
      {ChooserMode::kSave, "", {"Binary          (*.BNY)", "Binary - API    (*.BNA)"}, 11},
      {ChooserMode::kSave, "x.bsa",
       {"BSAVE Files     (*.BSA)", "PBCC/PBDos INCLUDE   (*.INC)", "FreeBasic  INCLUDE   (*.BI)",
        "Binary          (*.BNY)", "Binary - API    (*.BNA)", "POP Files       (*.POP)",
        "PBdos & QB DATA    (*.BAS)", "Text Files      (*.TXT)", "ANSI art        (*.ANS)"},
       11},
      {ChooserMode::kSave, "x.bas", {"PBdos & QB DATA    (*.BAS)", "POP Files       (*.POP)"}, 11},
      {ChooserMode::kSave, "x.txt", {"Text Files      (*.TXT)", "Binary          (*.BNY)"}, 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.last_name);
    const std::vector<FileFilter> filters = FiltersFor(c.mode, c.last_name);
    ASSERT_EQ(filters.size(), c.count);
    for (size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(filters[i].description, c.first[i]) << i;
  }
  EXPECT_TRUE(FilterMatches("*.BNY", "dir/Menu.bny"));
  EXPECT_FALSE(FilterMatches("*.BNY", "menu.bnya"));
  EXPECT_FALSE(FilterMatches("*.BI", "menu.bin"));
  EXPECT_TRUE(FilterMatches("*.*", "README"));
}

struct ChooserBench : testing::AreaBench {
  explicit ChooserBench(int rows = 35, int cols = 90) : AreaBench(rows, cols) {
    files.folders.insert("/work/sub");
    for (const char* name : {"/work/menu.bny", "/work/logo.bna", "/work/notes.txt", "/work/sub/deep.bny"})
      files.files[name] = "x";
  }
  std::optional<std::string> Choose(std::string_view script, ChooserMode mode = ChooserMode::kOpen,
                                    std::string last_name = "") {
    host.Queue(script);
    return ChooseFile(ed.modal(), files, ChooserRequest{mode, "title", std::move(last_name)});
  }
  // The text of the list of files and folders as the last wait showed it.
  std::string ListRow(int i) const {
    const std::string& screen = screens.at_wait.back();
    const console::Rect list = ui::GetPicture(ui::file_chooser::kPicture)
                                   .buttons[ui::file_chooser::kEntries].click;
    std::string text;
    for (int c = list.left; c <= list.right; ++c)
      text += screen[2 * static_cast<size_t>((list.top + i - 2) * console.cols() + c - 1)];
    return text.substr(0, text.find_last_not_of(' ') + 1);
  }
};

TEST(FileChooser, TypedNamesReplaceTheLastNameEditAndLeaveNoTrace) {
  ChooserBench b;
  b.PaintPattern();
  const console::RecordImage before = b.console.Snapshot();
  EXPECT_EQ(b.Choose("type new.bnyx\nkey Backspace\nkey Enter\n", ChooserMode::kSave, "menu.bny"),
            "new.bny");
  EXPECT_EQ(b.console.Snapshot(), before);
  // Backspace first edits the name shown; Enter alone takes it as it stands.
  EXPECT_EQ(b.Choose("key Backspace\ntype a\nkey Enter\n", ChooserMode::kSave, "menu.bny"), "menu.bna");
  EXPECT_EQ(b.Choose("key Enter\n", ChooserMode::kSave, "menu.bny"), "menu.bny");
  EXPECT_EQ(b.Choose("type x\nkey Esc\n", ChooserMode::kSave), std::nullopt);
  EXPECT_EQ(b.Choose("key Enter\n", ChooserMode::kSave), "");  // Save ends on an empty name
  EXPECT_EQ(b.console.Snapshot(), before);
  EXPECT_EQ(b.host.pending(), 0u);
}

TEST(FileChooser, OpenRefusesNamesThatDoNotExist) {
  ChooserBench b;
  EXPECT_EQ(b.Choose("type gone.bny\nkey Enter\nkey Enter\nkey Esc\n"), std::nullopt);
  EXPECT_EQ(b.host.beeps, 2);  // the missing file, then the empty name
  EXPECT_EQ(b.Choose("type sub\nkey Enter\ntype deep.bny\nkey Enter\n"), "sub/deep.bny");
  EXPECT_EQ(b.Choose("type /work/sub/../menu.bny\nkey Enter\n"), "/work/sub/../menu.bny");
}

TEST(FileChooser, TheMouseListsKindsEntersFoldersAndTakesFiles) {
  ChooserBench b;
  // All files first: .., the folder, then the files by name.
  b.host.Queue("key Esc\n");
  ChooseFile(b.ed.modal(), b.files, {ChooserMode::kOpen, "t", ""});
  EXPECT_EQ(b.ListRow(1), "../");
  EXPECT_EQ(b.ListRow(2), "sub/");
  EXPECT_EQ(b.ListRow(3), "logo.bna");
  EXPECT_EQ(b.ListRow(5), "notes.txt");

  // The second kind (.BNY) lists only menu.bny after the folders; one click puts it in
  // the field, a second takes it.
  EXPECT_EQ(b.Choose("click 8 6\nclick 9 40\nclick 9 40\n"), "menu.bny");
  // Into the folder and back out through "..".
  EXPECT_EQ(b.Choose("click 8 40\nclick 7 40\nclick 8 40\nclick 8 40\nclick 21 63\n"),
            "sub/deep.bny");
  EXPECT_EQ(b.Choose("click 8 40\nclick 7 40\nclick 21 70\n"), std::nullopt);  // Cancel
}

TEST(FileChooser, WorksOnAConsoleSmallerThanItsBox) {
  ChooserBench b(12, 30);
  b.PaintPattern();
  const console::RecordImage before = b.console.Snapshot();
  EXPECT_EQ(b.Choose("type s.bny\nkey PgDn\nkey Down\nclick 11 29\nkey Enter\n", ChooserMode::kSave),
            "s.bny");
  EXPECT_EQ(b.console.Snapshot(), before);
  EXPECT_EQ(b.screens.at_wait.back().size(), 2u * 12 * 30);
}

}  // namespace
}  // namespace tessella::files
