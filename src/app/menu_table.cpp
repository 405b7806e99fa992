#include "app/menu_table.h"

#include <algorithm>
#include <array>

#include "console/keys.h"

namespace tessella::app {
namespace {

using namespace tessella::keys;

constexpr std::array kMenuTable = {
    // File
    MenuEntry{11, kAltO, MenuEffect::kKey},
    MenuEntry{12, kAltS, MenuEffect::kKey},
    MenuEntry{13, kAltS, MenuEffect::kSaveAs},
    MenuEntry{14, kAltS, MenuEffect::kSavePart},
    MenuEntry{15, 0, MenuEffect::kExitProgram},
    // Boxes 1-14
    MenuEntry{21, kAltB, MenuEffect::kKey},
    MenuEntry{22, kAltC, MenuEffect::kKey},
    MenuEntry{23, kAltD, MenuEffect::kKey},
    MenuEntry{24, kAltE, MenuEffect::kKey},
    MenuEntry{25, kDigit0, MenuEffect::kKey},
    MenuEntry{26, kDigit1, MenuEffect::kKey},
    MenuEntry{27, kDigit2, MenuEffect::kKey},
    MenuEntry{28, kDigit3, MenuEffect::kKey},
    MenuEntry{29, kDigit4, MenuEffect::kKey},
    MenuEntry{210, kDigit5, MenuEffect::kKey},
    MenuEntry{211, kDigit6, MenuEffect::kKey},
    MenuEntry{212, kDigit7, MenuEffect::kKey},
    MenuEntry{213, kDigit8, MenuEffect::kKey},
    MenuEntry{214, kDigit9, MenuEffect::kKey},
    // Area 1-11 (item 8 is blank and clears the console)
    MenuEntry{31, kAltJ, MenuEffect::kKey},
    MenuEntry{32, kAltL, MenuEffect::kKey},
    MenuEntry{33, kAltR, MenuEffect::kKey},
    MenuEntry{34, kAltP, MenuEffect::kKey},
    MenuEntry{35, kF6, MenuEffect::kKey},
    MenuEntry{36, kF7, MenuEffect::kKey},
    MenuEntry{37, kF8, MenuEffect::kKey},
    MenuEntry{38, kF11, MenuEffect::kKey},
    MenuEntry{39, kAltT, MenuEffect::kKey},
    MenuEntry{310, kAltA, MenuEffect::kKey},
    MenuEntry{311, kAltF, MenuEffect::kKey},
    // Misc 1-5 (item 5 is blank and undoes)
    MenuEntry{41, kAltM, MenuEffect::kMarginHere},
    MenuEntry{42, kAltN, MenuEffect::kKey},
    MenuEntry{43, kAltZ, MenuEffect::kKey},
    MenuEntry{44, kAltK, MenuEffect::kKey},
    MenuEntry{45, kAltU, MenuEffect::kKey},
    // Help
    MenuEntry{50, kF1, MenuEffect::kKey},
};

}  // namespace

std::span<const MenuEntry> MenuTable() { return kMenuTable; }

void TranslateMenuCode(core::Editor& ed, core::Event& ev, int code) {
  auto it = std::find_if(kMenuTable.begin(), kMenuTable.end(),
                         [code](const MenuEntry& e) { return e.code == code; });
  if (it == kMenuTable.end()) return;  // no command: the key number stays as it was
  switch (it->effect) {
    case MenuEffect::kExitProgram:
      throw ports::SessionEnd{0};
    case MenuEffect::kSaveAs:
      ed.loop.save_as = true;
      break;
    case MenuEffect::kSavePart:
      ed.loop.save_part = true;
      break;
    case MenuEffect::kMarginHere:
      // Margin on sets the margin one column right of the cursor and moves the cursor
      // there; chosen from the menu it takes the cursor's own column and the cursor
      // ends where it was.
      --ed.pen.cursor_col;
      break;
    case MenuEffect::kKey:
      break;
  }
  ev.keynumber = it->keynumber;
}

}  // namespace tessella::app
