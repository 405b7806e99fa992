// File names: kinds by the first extension string, the size suffixes, backup names.
#include <gtest/gtest.h>

#include "files/file_names.h"

namespace tessella::files {
namespace {

TEST(FileNames, KindIsTheFirstExtensionStringAnywhereInTheBaseName) {
  EXPECT_EQ(OpenKindOf("a.bny.txt"), OpenKind::kBny);  // substring, not the ending
  EXPECT_EQ(OpenKindOf("Backup.Bnk"), OpenKind::kBny);
  EXPECT_EQ(OpenKindOf("x.bi"), OpenKind::kBi);
  EXPECT_EQ(OpenKindOf("tool.DLL"), OpenKind::kDll);
  EXPECT_EQ(OpenKindOf("/home/me/old.bny/notes"), OpenKind::kText);  // folders don't count
  EXPECT_EQ(SaveKindOf("keep.bnk"), SaveKind::kBny);  // never text over a backup
  EXPECT_EQ(SaveKindOf("s.bas.inc"), SaveKind::kInc);
  EXPECT_EQ(SaveKindOf("s.BI"), SaveKind::kBi);
  EXPECT_EQ(SaveKindOf("notes"), SaveKind::kText);
}

TEST(FileNames, SuffixesOutsideTheConsoleLimitsAreIgnored) {
  EXPECT_EQ(WidthSuffix("menu-120.bny"), 120);
  EXPECT_EQ(WidthSuffix("menu-12.bny"), 12);  // leading digits of "12."
  for (const char* name : {"menu.bny", "m-000.bny", "m-999.bny", "m-ab1.bny", "m-5.bny",
                           "m-", "/a-080/menu.bny", "a-b-080.bny"})
    EXPECT_EQ(WidthSuffix(name), std::nullopt) << name;

  EXPECT_EQ(BsaveSizeSuffix("LOGO25-080.BSA"), (ConsoleSize{25, 80}));
  EXPECT_EQ(BsaveSizeSuffix("logo-080.bsa"), (ConsoleSize{26, 80}));  // page of 25 rows
  EXPECT_EQ(BsaveSizeSuffix("-080.bsa"), (ConsoleSize{26, 80}));
  for (const char* name : {"00-000.bsa", "01-080.bsa", "25-999.bsa", "logo.bsa"})
    EXPECT_EQ(BsaveSizeSuffix(name), std::nullopt) << name;
}

TEST(FileNames, BackupNamesKeepTheCaseOfTheExtensionTheyReplace) {
  EXPECT_EQ(BnkBackupName("dir.bny/menu.bny"), "dir.bny/menu.bnk");
  EXPECT_EQ(BnkBackupName("MENU.BNY"), "MENU.BNK");
  EXPECT_EQ(BnkBackupName("Menu.Bny"), "Menu.Bnk");
  EXPECT_EQ(BnkBackupName("menu.bnk"), std::nullopt);  // would be the file itself
  EXPECT_EQ(IncludeBackupName("screens.inc"), "screens.bac");
  EXPECT_EQ(IncludeBackupName("Screens.Bi"), "Screens.Bac");
}

}  // namespace
}  // namespace tessella::files
