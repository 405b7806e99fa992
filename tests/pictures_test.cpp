#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "ui/catalogue.h"
#include "ui/dialog.h"
#include "help/help_menu.h"

namespace tessella::ui {
namespace {

std::string RowText(const Picture& p, int row) {
  std::string text;
  for (int c = 0; c < p.width(); ++c) text += p.image[2 * ((row - p.top) * p.width() + c)];
  return text;
}
int CharAt(const Picture& p, int row, int col) {
  return static_cast<unsigned char>(p.image[2 * ((row - p.top) * p.width() + col - p.left)]);
}
int AttrAt(const Picture& p, int row, int col) {
  return static_cast<unsigned char>(p.image[2 * ((row - p.top) * p.width() + col - p.left) + 1]);
}
bool Contains(const Picture& p, const std::string& text) {
  for (int r = p.top; r <= p.bottom; ++r) {
    if (RowText(p, r).find(text) != std::string::npos) return true;
  }
  return false;
}

struct Expected {
  const char* name;
  int left, right, top, bottom;
  std::vector<std::string> texts;
};

TEST(Pictures, RectanglesAndQuotedTexts) {
  const std::vector<Expected> expected = {
      {"title", 1, 80, 1, 25,
       {"Tessella", "Supports PBCC and", "FreeBasic Console", "Include Files in",
        "the Menu's file", "drop. Look for ex-", "tention .INC or .BI", "Runs in a terminal",
        "Right Click", "Mouse or", "Hit TAB Key", "to Display", "Menu",
        "Creates Text Screens and Generates the Code to run them in your PBCC, PBdos,",
        "QB, Qbasic and GW Basic programs. Code can be Saved to File or to ClipBoard."}},
      {"logo", 28, 53, 13, 21, {"Tessella"}},
      {"help_menu", 8, 74, 2, 24, {"H e l p   M e n u"}},
      {"sub_name", 26, 65, 10, 12, {"Enter Sub Name"}},
      {"edit_include", 2, 63, 1, 3, {"Enter Sub Name  "}},
      {"launching", 28, 58, 13, 21,
       {"Do you need a screen", "Launching routine", "included?", "Yes            No"}},
      {"number_of_screens", 20, 54, 9, 13, {"Enter Number of Screens"}},
      {"two_corners", 27, 56, 6, 16,
       {"You must click", "on two diagonal", "corners before", "this function",
        "will work. Click", "on both corners", "again."}},
      {"extension", 27, 62, 1, 3, {"You need to Enter an Extention"}},
      {"fb_or_qb", 22, 51, 8, 20, {"Click on FB or PB", "FB", "QB"}},
      {"fb_lit", 27, 34, 12, 16, {"FB"}},
      {"qb_lit", 39, 46, 12, 16, {"QB"}},
      {"include_type", 26, 67, 10, 24, {"Click on Include File Type", "PBCC", "PBDOS"}},
      {"pbcc_lit", 32, 41, 19, 21, {"PBCC"}},
      {"pbdos_lit", 52, 61, 19, 21, {"PBDOS"}},
      {"dos_choices", 23, 61, 7, 18,
       {"Include Launcher", "Yes", "No", "Select Basic", "PB", "QB", "GW",
        "Click on to Enter Label Name"}},
      {"dos_yes_lit", 44, 57, 8, 10, {"Yes", "No"}},
      {"dos_no_lit", 44, 57, 8, 10, {"Yes", "No"}},
      {"dos_pb_lit", 39, 58, 11, 13, {"PB", "QB", "GW"}},
      {"dos_qb_lit", 39, 58, 11, 13, {"PB", "QB", "GW"}},
      {"dos_gw_lit", 39, 58, 11, 13, {"PB", "QB", "GW"}},
      {"pick_basic", 23, 61, 8, 18,
       {"Before entering a", "Label Name", "You must pick a Basic,", "Click on   PB or QB or GW"}},
      {"label_entry", 26, 58, 15, 17, {}},
      {"name_sub", 20, 57, 10, 14, {"Name", "Sub"}},
      {"launcher_choice", 21, 64, 13, 19, {"Click on a Launcher", "PBCC", "ASM"}},
      {"launcher_pbcc_lit", 24, 39, 15, 17, {"PBCC"}},
      {"launcher_asm_lit", 46, 61, 15, 17, {"ASM"}},
      {"code_options", 3, 78, 4, 21,
       {"Click in Red box to select", "Include All", "Include screen", "Launcher Sub",
        "SELECT CASE", "Screen Only"}},
      {"char_picker", 3, 78, 1, 24, {"Click on a Charecter"}},
      {"exit_box", 1, 21, 16, 24, {"E X I T", "Are you sure?", "YES", "NO"}},
      {"exit_yes_lit", 5, 11, 21, 23, {"Yes"}},
      {"exit_no_lit", 12, 18, 21, 23, {"No"}},
      {"screen_size", 13, 71, 5, 17,
       {"Default screen size is 34 Rows and 90 Columns.",
        "You can change this size by entering a new size", "in the Box below.", "Enter Rows",
        "Enter Columns"}},
      {"colour_chart", 1, 80, 1, 25,
       {"Click on a Color", "Dos colors", "Included in PBCC",
        "Colors that starts with `X' can cause problems with Data & Files"}},
      {"toolbar", 1, 90, 35, 35, {" Copy Paste Cut Color Edit Mouse ColChart"}},
      {"file_chooser", 3, 78, 2, 24, {"Folder:", "Files of type", "Name:", "[ OK ]", "[Cancel]"}},
      // Help screens and their headings.
      {"help_a", 18, 65, 3, 23, {"Extended Ascii Chart"}},
      {"help_bcd", 1, 80, 1, 27, {"Copy, Cut or Color", "The second click reads the colors."}},
      {"help_e", 5, 76, 2, 23, {"Edit"}},
      {"help_f", 1, 80, 1, 25, {"Paste"}},
      {"help_g", 7, 74, 1, 24, {"Copy PBCC Screen Code to ClipBoard"}},
      {"help_h", 11, 71, 4, 22, {"Copy PBdos or QB Screen Code to ClipBoard"}},
      {"help_i", 6, 76, 3, 23, {"Copy Regular Text to ClipBoard"}},
      {"help_j", 15, 66, 3, 21, {"ForeGround and BackGround Color"}},
      {"help_k", 16, 67, 5, 20, {"Margin ON and OFF"}},
      {"help_l", 1, 80, 1, 25, {"Line Drawing"}},
      {"help_m", 1, 80, 1, 25, {"Selecting Mouse and Key Sensitive Words"}},
      {"help_n", 2, 79, 2, 24,
       {"Saving to an Include File",
        "If it is a new file a screen launcher Sub will be added this",
        "one time along with the first Subroutine. Everything else that is",
        "added will be attached  to the end of the file and will also include",
        "a DECLARE statement along with it's matching Subroutine."}},
      {"help_o", 1, 80, 1, 25, {"Opening Files", "All other extentions will load as Text files."}},
      {"help_p", 8, 72, 4, 22, {"Paste to Console"}},
      {"help_q", 1, 80, 1, 25, {"Click on Area Corners -- Don't Drag the mouse!"}},
      {"help_r", 10, 73, 5, 20, {"Reset Console Size"}},
      {"help_s", 1, 80, 1, 25, {"John 3:16", "Romans 6:23", "Ephesians 2:8-9"}},
      {"help_t", 1, 80, 1, 25, {"Save QB & PBdos DATA screens to a .BAS file"}},
      {"help_u", 12, 70, 4, 19, {"Copy Text with lines to clipboard"}},
      {"help_v", 1, 80, 1, 25, {"Introduction"}},
      {"help_w", 8, 73, 1, 24, {"Arrow Keys"}},
      {"help_x", 11, 69, 3, 22, {"Insert Row", "Delete Row"}},
      {"help_y", 9, 72, 3, 23, {"User Control Nonstatic Screens."}},
      {"help_z", 1, 80, 1, 25, {"Editing Tips"}},
      {"help_1", 1, 80, 1, 25, {"Sunken & Raised Boxes"}},
      {"help_2", 1, 80, 1, 30, {"Edit Include Files"}},
      {"help_3", 1, 80, 1, 25, {"Text Jumps Embeds"}},
  };
  ASSERT_EQ(AllPictures().size(), expected.size());
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.name);
    const Picture* p = FindPicture(e.name);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->left, e.left);
    EXPECT_EQ(p->right, e.right);
    EXPECT_EQ(p->top, e.top);
    EXPECT_EQ(p->bottom, e.bottom);
    EXPECT_EQ(p->image.size(), static_cast<std::size_t>(2 * p->width() * p->height()));
    for (const std::string& text : e.texts) EXPECT_TRUE(Contains(*p, text)) << text;
  }
  EXPECT_EQ(FindPicture("nothing"), nullptr);
}

// A lit button is the button of its box with other colours: the same cells, the same
// frame, letters compared without case (the Exit box says YES, its pressed button Yes).
TEST(Pictures, LitButtonsCoverTheButtonsTheyLight) {
  const std::vector<std::pair<const char*, const char*>> pairs = {
      {"fb_lit", "fb_or_qb"},          {"qb_lit", "fb_or_qb"},
      {"pbcc_lit", "include_type"},    {"pbdos_lit", "include_type"},
      {"dos_yes_lit", "dos_choices"},  {"dos_no_lit", "dos_choices"},
      {"dos_pb_lit", "dos_choices"},   {"dos_qb_lit", "dos_choices"},
      {"dos_gw_lit", "dos_choices"},   {"launcher_pbcc_lit", "launcher_choice"},
      {"launcher_asm_lit", "launcher_choice"}, {"exit_yes_lit", "exit_box"},
      {"exit_no_lit", "exit_box"}};
  for (const auto& [lit_name, box_name] : pairs) {
    const Picture& lit = *FindPicture(lit_name);
    const Picture& box = *FindPicture(box_name);
    for (int row = lit.top; row <= lit.bottom; ++row) {
      for (int col = lit.left; col <= lit.right; ++col) {
        EXPECT_EQ(std::toupper(CharAt(lit, row, col)), std::toupper(CharAt(box, row, col)))
            << lit_name << " row " << row << " col " << col;
      }
    }
  }
  // The Yes face and its shadow are where a click means yes: columns 5 to 11.
  EXPECT_EQ(CharAt(*FindPicture("exit_box"), 22, 11), 0xB2);
  EXPECT_EQ(CharAt(*FindPicture("exit_box"), 22, 4), ' ');
  EXPECT_EQ(AttrAt(*FindPicture("exit_box"), 22, 4), 0x4F);
}

// Text rows never overwrite the frame of their box.
TEST(Pictures, BoxFramesAreWhole) {
  for (const char* name : {"fb_or_qb", "include_type", "name_sub"}) {
    const Picture& p = *FindPicture(name);
    const bool shaded = CharAt(p, p.top, p.left) == 0xB1;
    const int left = p.left + (shaded ? 1 : 0);
    const int right = p.right - (shaded ? 1 : 0);
    for (int row = p.top + 1; row < p.bottom; ++row) {
      EXPECT_EQ(CharAt(p, row, left), 0xBA) << name << " row " << row;
      EXPECT_EQ(CharAt(p, row, right), 0xBA) << name << " row " << row;
    }
  }
}

TEST(Pictures, HelpMenuItemsStandInTheirBands) {
  const Picture& menu = *FindPicture("help_menu");
  const int band_left[] = {12, 33, 54};
  for (const help::HelpItem& item : help::HelpItems()) {
    const int left = band_left[item.band] - menu.left;
    const auto at = RowText(menu, item.row).find(item.title, left);
    ASSERT_NE(at, std::string::npos) << item.title;
    EXPECT_LE(at + item.title.size(), static_cast<std::size_t>(left + 17)) << item.title;
  }
}

TEST(Pictures, ToolbarLabelsAndColours) {
  const Picture& bar = *FindPicture("toolbar");
  EXPECT_EQ(RowText(bar, 35).substr(41),
            std::string(20, ' ') + "Page   Row   Col   Undo ASCII");
  std::string attrs;
  for (int col = 1; col <= 90; ++col) attrs += static_cast<char>(AttrAt(bar, 35, col));
  std::string want(90, '\x70');
  const std::vector<std::pair<int, int>> coloured = {
      {16, 0x79}, {17, 0x74}, {18, 0x79}, {19, 0x7C}, {20, 0x72}, {21, 0x7D},
      {34, 0x74}, {35, 0x79}, {36, 0x7C}, {42, 0x79}};
  for (const auto& [col, attr] : coloured) want[col - 1] = static_cast<char>(attr);
  EXPECT_EQ(attrs, want);
}

TEST(Pictures, CharacterPickerEntries) {
  const Picture& chart = *FindPicture("char_picker");
  EXPECT_EQ(RowText(chart, 8).substr(38 - 3, 5), "178 \xB2");
  EXPECT_EQ(CharAt(chart, 22, 18), 158);
  EXPECT_EQ(RowText(chart, 6).substr(6 - 3, 5), "xx1 \x01");
  EXPECT_EQ(CharAt(chart, 1, 42), 196);  // a click on row 1 picks the frame
  EXPECT_EQ(CharAt(chart, 3, 42), 'a');  // and on row 3 the title's "a"
  // Every offered code once, 158 twice, each labelled with its code.
  std::vector<int> seen(256, 0);
  for (int row = 6; row <= 22; ++row) {
    for (int col = 10; col <= 74; col += 8) {
      const std::string label = RowText(chart, row).substr(col - 7, 3);
      if (label == "   ") continue;
      ++seen[CharAt(chart, row, col)];
      EXPECT_EQ(AttrAt(chart, row, col), 0x3B);
      if (label != "xx1") {
        EXPECT_EQ(std::stoi(label), CharAt(chart, row, col));
      }
    }
  }
  for (int code = 0; code < 256; ++code) {
    const bool offered = (code >= 1 && code <= 6) || code == 8 || (code >= 14 && code <= 25) ||
                         (code >= 128 && code <= 254);
    EXPECT_EQ(seen[code], code == 158 ? 2 : offered ? 1 : 0) << "code " << code;
  }
}

TEST(Pictures, ColourChartLeavesTheSampleGridBlank) {
  const Picture& chart = *FindPicture("colour_chart");
  for (int row = 6; row <= 21; ++row) {
    EXPECT_EQ(RowText(chart, row).substr(9, 63), std::string(63, ' ')) << "row " << row;
  }
}

}  // namespace
}  // namespace tessella::ui

namespace tessella::ui {
namespace {

TEST(DialogData, ExitBoxButtonsAreWhereTheirPicturesAre) {
  const Picture& box = GetPicture(exit_box::kPicture);
  struct Case {
    console::Event event;
    int button;
  };
  auto key = [](const char* k) { return console::Event{k[0], k, 0, 0, 0, 0}; };
  auto click = [](int row, int col, bool right = false) {
    return console::Event{0, "", right ? 1 : 0, right ? 0 : 1, row, col};
  };
  const Case cases[] = {
      {key("y"), exit_box::kYes},        {key("Y"), exit_box::kYes},
      {click(21, 5), exit_box::kYes},    {click(23, 11, true), exit_box::kYes},
      {key("n"), exit_box::kNo},         {click(22, 12), exit_box::kNo},
      {click(20, 8), exit_box::kNo},     {key("\x1b"), exit_box::kNo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.event.key + " " + std::to_string(c.event.row) + "," + std::to_string(c.event.col));
    EXPECT_EQ(ButtonFor(box, c.event), c.button);
  }
  // Each lit button is drawn over its own button's cells.
  for (const Button& b : box.buttons) {
    const Picture& lit = GetPicture(b.lit);
    EXPECT_EQ((console::Rect{lit.top, lit.left, lit.bottom, lit.right}), b.click) << b.name;
  }
}

}  // namespace
}  // namespace tessella::ui
