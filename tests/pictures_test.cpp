#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "console/console.h"
#include "help/catalogue.h"
#include "help/help_menu.h"

namespace tessella::help {
namespace {

// Character bytes of one row of a picture (console row, not picture row).
std::string RowText(const Picture& p, int row) {
  std::string text;
  for (int c = 0; c < p.width(); ++c) {
    text += p.image[2 * ((row - p.top) * p.width() + c)];
  }
  return text;
}

unsigned char CharAt(const Picture& p, int row, int col) {
  return static_cast<unsigned char>(p.image[2 * ((row - p.top) * p.width() + col - p.left)]);
}

unsigned char AttrAt(const Picture& p, int row, int col) {
  return static_cast<unsigned char>(p.image[2 * ((row - p.top) * p.width() + col - p.left) + 1]);
}

bool Contains(const Picture& p, const std::string& text) {
  for (int r = p.top; r <= p.bottom; ++r) {
    if (RowText(p, r).find(text) != std::string::npos) return true;
  }
  return false;
}

TEST(Pictures, EveryImageFillsItsRectangleAndTheConsole) {
  std::set<std::string_view> names;
  for (const Picture& p : AllPictures()) {
    SCOPED_TRACE(std::string(p.name));
    EXPECT_EQ(p.image.size(), static_cast<std::size_t>(2 * p.width() * p.height()));
    EXPECT_GE(p.left, 1);
    EXPECT_GE(p.top, 1);
    EXPECT_LE(p.right, console::Console::kDefaultCols);
    EXPECT_LE(p.bottom, console::Console::kDefaultRows);
    EXPECT_TRUE(names.insert(p.name).second);
    EXPECT_EQ(FindPicture(p.name), &p);
  }
  EXPECT_EQ(FindPicture("no_such_picture"), nullptr);
  EXPECT_THROW(GetPicture("no_such_picture"), std::out_of_range);
}

struct Rect {
  const char* name;
  int left, right, top, bottom;
};

TEST(Pictures, RectanglesAreWhereTheirCallersDrawThem) {
  const std::vector<Rect> rects = {
      {"toolbar", 1, 90, 35, 35},       {"title", 1, 80, 1, 25},
      {"logo", 28, 53, 13, 21},         {"help_menu", 8, 74, 2, 24},
      {"sub_name", 26, 65, 10, 12},     {"launching", 28, 58, 13, 21},
      {"number_of_screens", 20, 54, 9, 13}, {"two_corners", 27, 56, 6, 16},
      {"extension", 27, 62, 1, 3},      {"fb_or_qb", 22, 51, 8, 20},
      {"fb_lit", 27, 34, 12, 16},       {"qb_lit", 39, 46, 12, 16},
      {"include_type", 26, 67, 10, 24}, {"pbcc_lit", 32, 41, 19, 21},
      {"pbdos_lit", 52, 61, 19, 21},    {"dos_choices", 23, 61, 7, 18},
      {"dos_yes_lit", 44, 57, 8, 10},   {"dos_no_lit", 44, 57, 8, 10},
      {"dos_pb_lit", 39, 58, 11, 13},   {"dos_qb_lit", 39, 58, 11, 13},
      {"dos_gw_lit", 39, 58, 11, 13},   {"pick_basic", 23, 61, 8, 18},
      {"label_entry", 26, 58, 15, 17},  {"name_sub", 20, 57, 10, 14},
      {"launcher_choice", 21, 64, 13, 19}, {"launcher_pbcc_lit", 24, 39, 15, 17},
      {"launcher_asm_lit", 46, 61, 15, 17}, {"code_options", 3, 78, 4, 21},
      {"char_picker", 3, 78, 1, 24},    {"exit_box", 1, 21, 16, 24},
      {"exit_yes_lit", 4, 10, 21, 23},  {"exit_no_lit", 12, 18, 21, 23},
      {"screen_size", 13, 71, 5, 17},   {"colour_chart", 1, 80, 1, 25},
      {"help_a", 18, 65, 3, 23},        {"help_bcd", 1, 80, 1, 27},
      {"help_e", 5, 76, 2, 23},         {"help_f", 1, 80, 1, 25},
      {"help_g", 7, 74, 1, 24},         {"help_h", 11, 71, 4, 22},
      {"help_i", 6, 76, 3, 23},         {"help_j", 15, 66, 3, 21},
      {"help_k", 16, 67, 5, 20},        {"help_l", 1, 80, 1, 25},
      {"help_m", 1, 80, 1, 25},         {"help_n", 2, 79, 2, 24},
      {"help_o", 1, 80, 1, 25},         {"help_p", 8, 72, 4, 22},
      {"help_q", 1, 80, 1, 25},         {"help_r", 10, 73, 5, 20},
      {"help_s", 1, 80, 1, 25},         {"help_t", 1, 80, 1, 25},
      {"help_u", 12, 70, 4, 19},        {"help_v", 1, 80, 1, 25},
      {"help_w", 8, 73, 1, 24},         {"help_x", 11, 69, 3, 22},
      {"help_y", 9, 72, 3, 23},         {"help_z", 1, 80, 1, 25},
      {"help_1", 1, 80, 1, 25},         {"help_2", 1, 80, 1, 30},
      {"help_3", 1, 80, 1, 25},
  };
  for (const Rect& r : rects) {
    SCOPED_TRACE(r.name);
    const Picture* p = FindPicture(r.name);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->left, r.left);
    EXPECT_EQ(p->right, r.right);
    EXPECT_EQ(p->top, r.top);
    EXPECT_EQ(p->bottom, r.bottom);
  }
  EXPECT_EQ(AllPictures().size(), rects.size());
}

TEST(Pictures, QuotedTextsStandInTheirPictures) {
  const std::vector<std::pair<const char*, std::vector<std::string>>> texts = {
      {"title",
       {"Tessella", "Supports PBCC and", "FreeBasic Console", "Include Files in",
        "the Menu's file", "drop. Look for ex-", "tention .INC or .BI", "Run in Windows only",
        "Right Click", "Mouse or", "Hit TAB Key", "to Display", "Menu",
        "Creates Text Screens and Generates the Code to run them in your PBCC, PBdos,",
        "QB, Qbasic and GW Basic programs. Code can be Saved to File or to ClipBoard."}},
      {"logo", {"Tessella"}},
      {"help_menu", {"H e l p   M e n u"}},
      {"sub_name", {"Enter Sub Name"}},
      {"launching", {"Do you need a screen", "Launching routine", "included?", "Yes            No"}},
      {"number_of_screens", {"Enter Number of Screens"}},
      {"two_corners",
       {"You must click", "on two diagonal", "corners before", "this function",
        "will work. Click", "on both corners", "again."}},
      {"extension", {"You need to Enter an Extention"}},
      {"fb_or_qb", {"Click on FB or PB", "FB", "QB"}},
      {"fb_lit", {"FB"}},
      {"qb_lit", {"QB"}},
      {"include_type", {"Click on Include File Type", "PBCC", "PBDOS"}},
      {"pbcc_lit", {"PBCC"}},
      {"pbdos_lit", {"PBDOS"}},
      {"dos_choices",
       {"Include Launcher", "Yes", "No", "Select Basic", "PB", "QB", "GW",
        "Click on to Enter Label Name"}},
      {"dos_yes_lit", {"Yes", "No"}},
      {"dos_no_lit", {"Yes", "No"}},
      {"dos_pb_lit", {"PB", "QB", "GW"}},
      {"pick_basic",
       {"Before entering a", "Label Name", "You must pick a Basic,", "Click on   PB or QB or GW"}},
      {"name_sub", {"Name", "Sub"}},
      {"launcher_choice", {"Click on a Launcher", "PBCC", "ASM"}},
      {"launcher_pbcc_lit", {"PBCC"}},
      {"launcher_asm_lit", {"ASM"}},
      {"code_options",
       {"Click in Red box to select", "Include All", "Include screen", "Launcher Sub", "Include",
        "SELECT CASE", "Screen Only"}},
      {"char_picker", {"Click on a Charecter"}},
      {"exit_box", {"E X I T", "Are you sure?", "YES", "NO"}},
      {"exit_yes_lit", {"Yes"}},
      {"exit_no_lit", {"No"}},
      {"screen_size",
       {"Default screen size is 34 Rows and 90 Columns.",
        "You can change this size by entering a new size", "in the Box below.", "Enter Rows",
        "Enter Columns"}},
      {"colour_chart",
       {"Click on a Color", "Dos colors", "Included in PBCC",
        "Colors that starts with `X' can cause problems with Data & Files"}},
      {"help_bcd", {"Copy, Cut or Color", "The second click reads the colors."}},
      {"help_n",
       {"If it is a new file a screen launcher Sub will be added this",
        "one time along with the first Subroutine. Everything else that is",
        "added will be attached  to the end of the file and will also include",
        "a DECLARE statement along with it's matching Subroutine.",
        "stores many DOS Binary screens. It is slow to Load."}},
      {"help_o", {"Opening Files", "All other extentions will load as Text files."}},
      {"help_q", {"Click on Area Corners -- Don't Drag the mouse!"}},
      {"help_s", {"John 3:16", "Romans 6:23", "Ephesians 2:8-9"}},
  };
  for (const auto& [name, required] : texts) {
    const Picture& p = GetPicture(name);
    for (const std::string& text : required) {
      EXPECT_TRUE(Contains(p, text)) << name << " lacks \"" << text << "\"";
    }
  }
}

TEST(Pictures, EveryHelpScreenShowsItsHeading) {
  const std::vector<std::pair<const char*, const char*>> headings = {
      {"help_a", "Extended Ascii Chart"}, {"help_e", "Edit"}, {"help_f", "Paste"},
      {"help_g", "Copy PBCC Screen Code to ClipBoard"},
      {"help_h", "Copy PBdos or QB Screen Code to ClipBoard"},
      {"help_i", "Copy Regular Text to ClipBoard"},
      {"help_j", "ForeGround and BackGround Color"}, {"help_k", "Margin ON and OFF"},
      {"help_l", "Line Drawing"}, {"help_m", "Selecting Mouse and Key Sensitive Words"},
      {"help_n", "Saving to an Include File"}, {"help_p", "Paste to Console"},
      {"help_r", "Reset Console Size"},
      {"help_t", "Save QB & PBdos DATA screens to a .BAS file"},
      {"help_u", "Copy Text with lines to clipboard"}, {"help_v", "Introduction"},
      {"help_w", "Arrow Keys"}, {"help_x", "Insert Row"}, {"help_x", "Delete Row"},
      {"help_y", "User Control Nonstatic Screens."}, {"help_1", "Sunken & Raised Boxes"},
      {"help_2", "Edit Include Files"}, {"help_3", "Text Jumps Embeds"},
  };
  for (const auto& [name, heading] : headings) {
    EXPECT_TRUE(Contains(GetPicture(name), heading)) << name << " lacks " << heading;
  }
  for (const HelpItem& item : HelpItems()) {
    if (!item.picture.empty()) {
      EXPECT_NE(FindPicture(item.picture), nullptr) << item.title;
    }
  }
}

TEST(Pictures, HelpMenuItemsStandInTheirBands) {
  const Picture& menu = GetPicture("help_menu");
  const int band_left[] = {12, 33, 54};
  for (const HelpItem& item : HelpItems()) {
    const std::string row = RowText(menu, item.row);
    const int left = band_left[item.band] - menu.left;
    const auto at = row.find(item.title, left);
    ASSERT_NE(at, std::string::npos) << item.title;
    EXPECT_LE(at + item.title.size(), static_cast<std::size_t>(left + 17)) << item.title;
  }
}

TEST(Pictures, ToolbarLabelsAndColours) {
  const Picture& bar = GetPicture("toolbar");
  const std::string text = RowText(bar, 35);
  EXPECT_EQ(text.substr(0, 41), " Copy Paste Cut Color Edit Mouse ColChart");
  EXPECT_EQ(text.substr(41, 20), std::string(20, ' '));
  EXPECT_EQ(text.substr(61, 4), "Page");
  EXPECT_EQ(text.substr(68, 3), "Row");
  EXPECT_EQ(text.substr(74, 3), "Col");
  EXPECT_EQ(text.substr(80, 4), "Undo");
  EXPECT_EQ(text.substr(85, 5), "ASCII");
  const std::vector<std::pair<int, int>> coloured = {
      {16, 0x79}, {17, 0x74}, {18, 0x79}, {19, 0x7C}, {20, 0x72}, {21, 0x7D},
      {34, 0x74}, {35, 0x79}, {36, 0x7C}, {42, 0x79}};
  for (int col = 1; col <= 90; ++col) {
    int expected = 0x70;
    for (const auto& [c, a] : coloured) {
      if (c == col) expected = a;
    }
    EXPECT_EQ(AttrAt(bar, 35, col), expected) << "column " << col;
  }
}

TEST(Pictures, CharacterPickerEntries) {
  const Picture& chart = GetPicture("char_picker");
  // Spot checks of the entry columns.
  EXPECT_EQ(CharAt(chart, 8, 42), 178);
  EXPECT_EQ(RowText(chart, 8).substr(38 - 3, 5), "178 \xB2");
  EXPECT_EQ(CharAt(chart, 22, 18), 158);
  EXPECT_EQ(CharAt(chart, 22, 26), 158);
  EXPECT_EQ(CharAt(chart, 6, 10), 1);
  EXPECT_EQ(RowText(chart, 6).substr(6 - 3, 3), "xx1");
  EXPECT_EQ(CharAt(chart, 12, 10), 8);
  EXPECT_EQ(CharAt(chart, 13, 10), 14);
  EXPECT_EQ(CharAt(chart, 6, 74), 244);
  EXPECT_EQ(CharAt(chart, 16, 74), 254);
  EXPECT_EQ(CharAt(chart, 17, 74), ' ');
  // Clicks on the frame and the title pick what stands there.
  EXPECT_EQ(CharAt(chart, 1, 42), 196);
  EXPECT_EQ(CharAt(chart, 3, 42), 'a');
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(CharAt(chart, 1, 2 + 8 * k), 196);
  // Every offered code once, 158 twice.
  std::vector<int> seen(256, 0);
  for (int row = 6; row <= 22; ++row) {
    for (int k = 1; k <= 9; ++k) {
      const int col = 2 + 8 * k;
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
  const Picture& chart = GetPicture("colour_chart");
  for (int row = 6; row <= 21; ++row) {
    EXPECT_EQ(RowText(chart, row).substr(9, 63), std::string(63, ' ')) << "row " << row;
  }
}

TEST(Pictures, DrawPictureWritesOnlyItsRectangle) {
  console::Console con;
  con.SetColor(1, 15);
  con.Clear();
  DrawPicture(con, "two_corners");
  const Picture& p = GetPicture("two_corners");
  for (int row = 1; row <= con.rows(); ++row) {
    for (int col = 1; col <= con.cols(); ++col) {
      const console::Cell cell = con.At(1, row, col);
      if (row >= p.top && row <= p.bottom && col >= p.left && col <= p.right) {
        EXPECT_EQ(cell.ch, CharAt(p, row, col));
        EXPECT_EQ(cell.attr, AttrAt(p, row, col));
      } else {
        EXPECT_EQ(cell.ch, ' ');
        EXPECT_EQ(cell.attr, 0xF1);
      }
    }
  }
  // Drawing twice gives the same picture: the catalogue's image is not consumed.
  const std::string once = con.Snapshot();
  DrawPicture(con, "two_corners");
  EXPECT_EQ(con.Snapshot(), once);
}

}  // namespace
}  // namespace tessella::help
