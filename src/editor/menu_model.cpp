#include "editor/menu_model.h"

#include <array>
#include <charconv>

namespace tessella::editor::menu {
namespace {

// Row 2 of the bar; the rest of its 90 columns are spaces.
constexpr std::string_view kBarText = "   File      Boxes     Area      Misc      Help";

constexpr std::array kTitles = {
    Title{" File ", 3, 8},
    Title{" Boxes ", 13, 21},
    Title{" Area ", 23, 32},
    Title{" Misc ", 33, 42},
    Title{" Help ", 44, 47},
};

using namespace std::string_view_literals;

// clang-format off
constexpr std::array kDefinitionList = {
    // Where the blocks of File, Boxes, Area and Misc begin.
    "5"sv, "19"sv, "49"sv, "73"sv,
    // File: width, left edge, then label and hotkey text per item.
    "16"sv, "1"sv,
    " Open     "sv,   "Alt-O "sv,
    " Save     "sv,   "Alt-S "sv,
    " Save As  "sv,   "      "sv,
    " Save Part  "sv, "    "sv,
    " Exit     "sv,   "      "sv,
    "            "sv, "    "sv,
    // Boxes
    "21"sv, "11"sv,
    " Raised DrkGray"sv, " BGrnd"sv,
    " Sunken DrkGray"sv, " BGrnd"sv,
    " Raised LgtGray"sv, " BGrnd"sv,
    " Sunken LgtGray"sv, " BGrnd"sv,
    " Raised Blue   "sv, " BGrnd"sv,
    " Sunken Blue   "sv, " BGrnd"sv,
    " Raised Cyan   "sv, " BGrnd"sv,
    " Sunken Cyan   "sv, " BGrnd"sv,
    " Raised Green  "sv, " BGrnd"sv,
    " Sunken Green  "sv, " BGrnd"sv,
    " Raised Yellow "sv, " BGrnd"sv,
    " Sunken Yellow "sv, " BGrnd"sv,
    " Raised Magenta"sv, " BGrnd"sv,
    " Sunken Magenta"sv, " BGrnd"sv,
    // Area
    "40"sv, "21"sv,
    " XPRINT to ClipBoard                 "sv, "   "sv,
    " GRAPHIC PRINT to ClipBoard          "sv, "   "sv,
    " User Control PBCC to ClipBoard      "sv, "   "sv,
    " User Control PBdos/QB to ClipBoard  "sv, "   "sv,
    " Copy PBCC Screen Code to ClipBoard  "sv, "   "sv,
    " Copy PB/QB/GW DOS Code to ClipBoard "sv, "   "sv,
    " Copy Regular Text to ClipBoard      "sv, "   "sv,
    "                                     "sv, "   "sv,
    " Copy Text with lines to Clipboard   "sv, "   "sv,
    " Copy Atom Screen Code to Clipboard  "sv, "   "sv,
    " Copy FreeBasic Screen to ClipBoard  "sv, "   "sv,
    // Misc
    "26"sv, "31"sv,
    " Set Margin On      "sv, "Alt-M "sv,
    " Set Margin Off     "sv, "Alt-N "sv,
    " Reset Console Size "sv, "Alt-Z "sv,
    " Extended ASCII     "sv, "Alt-K "sv,
    "                    "sv, "      "sv,
};

constexpr std::array kFileHighlights = {
    " Open     Alt-O "sv,
    " Save     Alt-S "sv,
    " Save As        "sv,
    " Save Part      "sv,
    " Exit     Alt-x "sv,
    ""sv,  // the blank sixth item: keys never reach it
};

constexpr std::array kBoxesHighlights = {
    " Raised DrkGray BGrnd"sv, " Sunken DrkGray BGrnd"sv,
    " Raised LgtGray BGrnd"sv, " Sunken LgtGray BGrnd"sv,
    " Raised Blue    BGrnd"sv, " Sunken Blue    BGrnd"sv,
    " Raised Cyan    BGrnd"sv, " Sunken Cyan    BGrnd"sv,
    " Raised Green   BGrnd"sv, " Sunken Green   BGrnd"sv,
    " Raised Yellow  BGrnd"sv, " Sunken Yellow  BGrnd"sv,
    " Raised Magenta BGrnd"sv, " Sunken Magenta BGrnd"sv,
};

// The Area highlights name the language in full and run one column wider than the
// drop-down's text, up to the space before its right side.
constexpr std::array kAreaHighlights = {
    " Copy PBCC XPRINT to ClipBoard           "sv,
    " Copy PBCC GRAPHIC PRINT to ClipBoard    "sv,
    " User Control PBCC to ClipBoard          "sv,
    " User Control PBdos/QB to ClipBoard      "sv,
    " Copy PBCC Screen Code to ClipBoard      "sv,
    " Copy PB/QB/GW DOS Code to ClipBoard     "sv,
    " Copy Regular Text to ClipBoard          "sv,
    "                                         "sv,
    " Copy Text with lines to Clipboard       "sv,
    " Copy Atom Screen Code to ClipBoard     "sv,
    " Copy FreeBasic Screen to ClipBoard     "sv,
};

constexpr std::array kMiscHighlights = {
    " Set Margin On      Alt-M "sv,
    " Set Margin Off     Alt-N "sv,
    " Reset Console Size Alt-Z "sv,
    " Extended ASCII     Alt-K "sv,
    "                          "sv,
};
// clang-format on

constexpr std::array<DropDownMenu, 4> kDropDowns = {{
    {6, 5, 3, 17, kFileHighlights},
    {14, 14, 14, 33, kBoxesHighlights},
    {11, 11, 23, 63, kAreaHighlights},
    {5, 5, 33, 57, kMiscHighlights},
}};

// VAL of a list item: its leading whole number, 0 when there is none.
int Val(std::string_view text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

std::string_view BarText() { return kBarText; }

std::span<const Title> Titles() { return kTitles; }

int TitleAtColumn(int col) {
  for (int m = 1; m <= kMenuCount; ++m) {
    const Title& t = kTitles[m - 1];
    if (col >= t.click_left && col <= t.click_right) return m;
  }
  return 0;
}

std::span<const std::string_view> DefinitionList() { return kDefinitionList; }

std::string_view DefinitionItem(int pos) {
  if (pos < 1 || pos > static_cast<int>(kDefinitionList.size())) return {};
  return kDefinitionList[pos - 1];
}

const DropDownMenu* DropDownOf(int m) {
  if (m < 1 || m > static_cast<int>(kDropDowns.size())) return nullptr;
  return &kDropDowns[m - 1];
}

Block ReadBlock(int block_item, int count) {
  Block block;
  const int start = Val(DefinitionItem(block_item));
  if (start < 1) return block;
  block.width = Val(DefinitionItem(start));
  block.left = Val(DefinitionItem(start + 1));
  for (int i = 1; i <= count; ++i) {
    const int at = start + 2 * i;
    if (at + 1 > static_cast<int>(kDefinitionList.size())) break;
    block.items.push_back({DefinitionItem(at), DefinitionItem(at + 1)});
  }
  return block;
}

int CommandCode(int m, int k) {
  int shift = 10;
  for (int rest = k / 10; rest > 0; rest /= 10) shift *= 10;
  return m * shift + k;
}

}  // namespace tessella::editor::menu
