#include "editor/menu_draw.h"

#include <algorithm>
#include <string>

#include "editor/menu_model.h"

namespace tessella::editor::menu {
namespace {

constexpr char kLowerHalf = '\xDC';  // CHR$(220)
constexpr char kUpperHalf = '\xDF';  // CHR$(223)
constexpr char kShade = '\xB1';      // CHR$(177), the drop-down's sides
constexpr int kItemPauseMs = 40;

// Colours: foreground, background.
struct Colour {
  int fg;
  int bg;
};
constexpr Colour kBarTop{1, 9};
constexpr Colour kBarTitles{15, 4};
constexpr Colour kBarBottom{1, 0};
constexpr Colour kSide{0, 1};
constexpr Colour kLabel{15, 1};
constexpr Colour kHotkey{12, 1};
constexpr Colour kTitleLit{15, 5};
constexpr Colour kItemLit{15, 4};

void Put(console::Console& con, int row, int col, std::string_view text, Colour c) {
  PrintClipped(con, row, col, text, c.fg, c.bg);
}

// Draws on the hidden page from a copy of the screen.
void BeginCompose(console::Console& con) {
  con.CopyPage(kScreenPage, kComposePage);
  con.SetOutputPage(kComposePage);
}

void ShowComposed(console::Console& con) { con.CopyPage(kComposePage, kScreenPage); }

}  // namespace

void PrintClipped(console::Console& con, int row, int col, std::string_view text, int fg,
                  int bg) {
  if (row < 1 || row > con.rows() || col < 1 || col > con.cols()) return;
  const size_t room = static_cast<size_t>(con.cols() - col + 1);
  con.SetColor(fg, bg);
  con.Locate(row, col);
  con.Print(text.substr(0, std::min(room, text.size())));
}

void DrawMenuBar(console::Console& con) {
  BeginCompose(con);
  std::string titles(BarText());
  titles.resize(kBarWidth, ' ');
  Put(con, 1, 1, std::string(kBarWidth, kLowerHalf), kBarTop);
  Put(con, 2, 1, titles, kBarTitles);
  Put(con, 3, 1, std::string(kBarWidth, kUpperHalf), kBarBottom);
  ShowComposed(con);
  con.SetOutputPage(kScreenPage);
}

void DropDown(const ui::Modal& ui, int block_item, int count) {
  auto& con = ui.console;
  const Block block = ReadBlock(block_item, std::min(count, kMaxItems));
  const int x = block.left;
  std::string side_open(2, ' ');
  side_open[0] = kShade;
  std::string side_close(2, ' ');
  side_close[1] = kShade;
  std::string spacer(block.width + 4, ' ');
  spacer.front() = spacer.back() = kShade;

  BeginCompose(con);
  int row = 2;
  for (const Item& item : block.items) {
    row += 2;
    Put(con, row, x, side_open, kSide);
    Put(con, row, x + 2, item.label, kLabel);
    Put(con, row, x + 2 + static_cast<int>(item.label.size()), item.hotkey, kHotkey);
    Put(con, row, x + 2 + block.width, side_close, kSide);
    Put(con, row + 1, x, spacer, kSide);
    ShowComposed(con);
    ui.Pause(kItemPauseMs);
  }
  Put(con, row + 2, x, kShade + std::string(block.width + 2, kLowerHalf) + kShade, kSide);
  ShowComposed(con);
  con.SetOutputPage(kScreenPage);
}

void HighlightTitle(console::Console& con, int m) {
  if (m < 1 || m > kMenuCount) return;
  Put(con, 2, TitleColumn(m), Titles()[m - 1].text, kTitleLit);
}

void HighlightItem(console::Console& con, int m, int k) {
  const DropDownMenu* menu = DropDownOf(m);
  if (!menu || k < 1 || k > static_cast<int>(menu->highlights.size())) return;
  const std::string_view text = menu->highlights[k - 1];
  if (text.empty()) return;
  Put(con, 2 * k + 2, TitleColumn(m), text, kItemLit);
}

}  // namespace tessella::editor::menu
