#include "help/help_menu.h"

#include <array>
#include <cctype>
#include <string>

#include "console/keys.h"
#include "ui/catalogue.h"

namespace tessella::help {
namespace {

constexpr std::array<HelpItem, 30> kItems = {{
    {'A', "A  ASCII Chart", "help_a", 5, 0},
    {'B', "B  Copy Area", "help_bcd", 7, 0},
    {'C', "C  Color Area", "help_bcd", 9, 0},
    {'D', "D  Cut Area", "help_bcd", 11, 0},
    {'E', "E  Edit Text", "help_e", 13, 0},
    {'F', "F  Paste Area", "help_f", 15, 0},
    {'G', "G  Copy PBCC CB", "help_g", 17, 0},
    {'H', "H  Copy DOS  CB", "help_h", 19, 0},
    {'I', "I  Copy Text CB", "help_i", 21, 0},
    {'2', "2  Edit Include", "help_2", 23, 0},
    {'J', "J  FG & BG Color", "help_j", 5, 1},
    {'K', "K  Margin", "help_k", 7, 1},
    {'L', "L  Line Drawing", "help_l", 9, 1},
    {'M', "M  Mouse Select", "help_m", 11, 1},
    {'N', "N  Save File", "help_n", 13, 1},
    {'O', "O  Open File", "help_o", 15, 1},
    {'P', "P  Paste Console", "help_p", 17, 1},
    {'Q', "Q  Click on Area", "help_q", 19, 1},
    {'R', "R  Reset Console", "help_r", 21, 1},
    {'3', "3  Text Jumps", "help_3", 23, 1},
    {'S', "S  Salvation Msg", "help_s", 5, 2},
    {'T', "T  QB & PBdos", "help_t", 7, 2},
    {'U', "U  Copy TX/Lines", "help_u", 9, 2},
    {'V', "V  Introduction", "help_v", 11, 2},
    {'W', "W  Arrow Keys", "help_w", 13, 2},
    {'X', "X  Insert Row", "help_x", 15, 2},
    {'Y', "Y  User Control", "help_y", 17, 2},
    {'Z', "Z  Editing tips", "help_z", 19, 2},
    {'1', "1  Raised Boxes", "help_1", 21, 2},
    {'\x1b', "Esc", "", 23, 2},
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
    if (text.size() == 1 && !item.picture.empty() && text[0] == item.key) return &item;
  }
  return nullptr;
}

void RunHelp(console::Console& console, console::Input& input) {
  const bool cursor_was_visible = console.cursor_visible();
  console.SetCursorVisible(false);
  const console::RecordImage snapshot = console.Snapshot();

  for (;;) {
    ui::DrawPicture(console, "help_menu");
    const console::KeyEvent event = console::GetKey(input);
    if (event.keynumber == keys::kEsc || event.rgt != 0) break;

    const HelpItem* item =
        event.lft != 0 ? HelpItemAt(event.row, event.col) : HelpItemForKey(event.key);
    if (item != nullptr && item->picture.empty()) break;  // the Esc cell
    if (item != nullptr) ui::DrawPicture(console, item->picture);
    console::GetKey(input);
    console.Restore(snapshot);
  }

  console.Restore(snapshot);
  console.SetCursorVisible(cursor_was_visible);
}

}  // namespace tessella::help
