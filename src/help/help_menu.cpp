#include "help/help_menu.h"

#include <array>
#include <cctype>
#include <string>

#include "console/keys.h"
#include "ui/catalogue.h"

namespace tessella::help {
namespace {

constexpr std::array<HelpItem, 30> kItems = {{
    {'A', "A  ASCII Chart", ui::PictureId::kHelpA, 5, 0},
    {'B', "B  Copy Area", ui::PictureId::kHelpBcd, 7, 0},
    {'C', "C  Color Area", ui::PictureId::kHelpBcd, 9, 0},
    {'D', "D  Cut Area", ui::PictureId::kHelpBcd, 11, 0},
    {'E', "E  Edit Text", ui::PictureId::kHelpE, 13, 0},
    {'F', "F  Paste Area", ui::PictureId::kHelpF, 15, 0},
    {'G', "G  Copy PBCC CB", ui::PictureId::kHelpG, 17, 0},
    {'H', "H  Copy DOS  CB", ui::PictureId::kHelpH, 19, 0},
    {'I', "I  Copy Text CB", ui::PictureId::kHelpI, 21, 0},
    {'2', "2  Edit Include", ui::PictureId::kHelp2, 23, 0},
    {'J', "J  FG & BG Color", ui::PictureId::kHelpJ, 5, 1},
    {'K', "K  Margin", ui::PictureId::kHelpK, 7, 1},
    {'L', "L  Line Drawing", ui::PictureId::kHelpL, 9, 1},
    {'M', "M  Mouse Select", ui::PictureId::kHelpM, 11, 1},
    {'N', "N  Save File", ui::PictureId::kHelpN, 13, 1},
    {'O', "O  Open File", ui::PictureId::kHelpO, 15, 1},
    {'P', "P  Paste Console", ui::PictureId::kHelpP, 17, 1},
    {'Q', "Q  Click on Area", ui::PictureId::kHelpQ, 19, 1},
    {'R', "R  Reset Console", ui::PictureId::kHelpR, 21, 1},
    {'3', "3  Text Jumps", ui::PictureId::kHelp3, 23, 1},
    {'S', "S  Salvation Msg", ui::PictureId::kHelpS, 5, 2},
    {'T', "T  QB & PBdos", ui::PictureId::kHelpT, 7, 2},
    {'U', "U  Copy TX/Lines", ui::PictureId::kHelpU, 9, 2},
    {'V', "V  Introduction", ui::PictureId::kHelpV, 11, 2},
    {'W', "W  Arrow Keys", ui::PictureId::kHelpW, 13, 2},
    {'X', "X  Insert Row", ui::PictureId::kHelpX, 15, 2},
    {'Y', "Y  User Control", ui::PictureId::kHelpY, 17, 2},
    {'Z', "Z  Editing tips", ui::PictureId::kHelpZ, 19, 2},
    {'1', "1  Raised Boxes", ui::PictureId::kHelp1, 21, 2},
    {'\x1b', "Esc", ui::PictureId::kNone, 23, 2},
}};

struct Band {
  int left;
  int right;
};
constexpr std::array<Band, 3> kBands = {{{12, 28}, {33, 49}, {54, 70}}};

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::span<const HelpItem> HelpItems() { return kItems; }

const HelpItem* HelpItemAt(int row, int col) {
  for (const HelpItem& item : kItems) {
    const Band& band = kBands[item.band];
    if (item.row == row && col >= band.left && col <= band.right) return &item;
  }
  return nullptr;
}

const HelpItem* HelpItemForKey(std::string_view key) {
  const std::string text = Upper(key);
  if (text.empty()) return nullptr;
  for (const HelpItem& item : kItems) {
    if (text == Upper(item.title)) return &item;
    if (text.size() == 1 && item.picture != ui::PictureId::kNone && text[0] == item.key)
      return &item;
  }
  return nullptr;
}

void RunHelp(console::Console& console, console::Input& input) {
  const bool cursor_was_visible = console.cursor_visible();
  console.SetCursorVisible(false);
  const console::RecordImage snapshot = console.Snapshot();

  for (;;) {
    ui::DrawPicture(console, ui::PictureId::kHelpMenu);
    const console::Event event = console::GetKey(input);
    if (event.keynumber == keys::kEsc || event.rgt != 0) break;

    const HelpItem* item =
        event.lft != 0 ? HelpItemAt(event.row, event.col) : HelpItemForKey(event.key);
    if (item != nullptr && item->picture == ui::PictureId::kNone) break;  // the Esc cell
    if (item != nullptr) ui::DrawPicture(console, item->picture);
    console::GetKey(input);
    console.Restore(snapshot);
  }

  console.Restore(snapshot);
  console.SetCursorVisible(cursor_was_visible);
}

}  // namespace tessella::help
