#include "editor/menus.h"

#include <optional>

#include "console/input.h"
#include "console/keys.h"
#include "editor/menu_draw.h"
#include "editor/menu_exit.h"
#include "editor/menu_model.h"
#include "editor/menu_pick.h"

namespace tessella::editor {
namespace {

using console::Event;
using namespace menu;

constexpr int kNothingChosen = 0;
constexpr int kExitCode = 15;
constexpr int kHelpCode = 50;
constexpr int kTitleRow = 2;

// However the menu ends (a choice, Esc, or the session ending while it waits), output
// and display are back on page 1, where the rest of the program draws.
class BackOnScreenPage {
 public:
  explicit BackOnScreenPage(console::Console& con) : con_(con) {}
  ~BackOnScreenPage() {
    con_.SetOutputPage(kScreenPage);
    con_.SetDisplayedPage(kScreenPage);
  }
  BackOnScreenPage(const BackOnScreenPage&) = delete;
  BackOnScreenPage& operator=(const BackOnScreenPage&) = delete;

 private:
  console::Console& con_;
};

// One run of the menu, from the bar appearing to the code it returns.
class MenuRun {
 public:
  explicit MenuRun(const ui::Modal& ui) : ui_(ui), con_(ui.console) {}

  int Run() {
    DrawMenuBar(con_);
    con_.CopyPage(kScreenPage, kBarPage);
    HighlightTitle(con_, m_);
    for (;;) {
      Event ev = console::GetKey(ui_.input);
      if (open_next_) {
        // Left or Right moved away from an open drop-down: the next event opens the
        // new menu at its first item, whatever that event was.
        open_next_ = false;
        ev = Event{};
        ev.keynumber = keys::kDown;
      }
      if (ev.rgt) return kNothingChosen;  // a right click is Esc
      std::optional<int> code;
      if (ev.lft) {
        if (ev.row == kTitleRow) code = OnTitleClick(ev);
      } else {
        code = OnKey(ev.keynumber);
      }
      if (code) return *code;
    }
  }

 private:
  // A left click on the bar's title row; a click on another title while the drop-down
  // waits is taken as the next title click.
  std::optional<int> OnTitleClick(Event ev) {
    for (;;) {
      con_.CopyPage(kBarPage, kScreenPage);
      k_ = 0;
      m_ = TitleAtColumn(ev.col);
      if (m_ == kHelp) return kHelpCode;
      const DropDownMenu* menu = DropDownOf(m_);
      if (!menu) return std::nullopt;
      HighlightTitle(con_, m_);
      DropDown(ui_, m_, menu->count);
      const Pick pick = PickItem(ui_, m_);
      if (pick.chosen) {
        k_ = pick.k;
        return Choose();
      }
      if (!(pick.event.lft && pick.event.row == kTitleRow)) return std::nullopt;
      ev = pick.event;
    }
  }

  std::optional<int> OnKey(int keynumber) {
    switch (keynumber) {
      case keys::kRight:
        Sideways(+1);
        break;
      case keys::kLeft:
        Sideways(-1);
        break;
      case keys::kDown:
        Down();
        break;
      case keys::kUp:
        Up();
        break;
      case keys::kEnter:
        return Choose();
      case keys::kEsc:
        return kNothingChosen;
      default:
        break;
    }
    return std::nullopt;
  }

  void Sideways(int step) {
    m_ += step;
    if (m_ > kMenuCount) m_ = 1;
    if (m_ < 1) m_ = kMenuCount;  // also from no title at all
    con_.CopyPage(kBarPage, kScreenPage);
    HighlightTitle(con_, m_);
    k_ = 0;
    if (remembered_ > 0) open_next_ = true;
  }

  void Down() {
    const DropDownMenu* menu = DropDownOf(m_);
    if (!menu) return;  // Help, or no title chosen
    if (k_ == 0) {
      DropDown(ui_, m_, menu->count);
      con_.CopyPage(kScreenPage, kDropDownPage);
    } else {
      con_.CopyPage(kDropDownPage, kScreenPage);
    }
    k_ = k_ % menu->reachable + 1;
    HighlightItem(con_, m_, k_);
    remembered_ = k_;
  }

  void Up() {
    if (k_ == 0) {
      con_.CopyPage(kBarPage, kScreenPage);
      return;
    }
    --k_;
    con_.CopyPage(kDropDownPage, kScreenPage);
    if (k_ > 0) {
      HighlightItem(con_, m_, k_);
    } else {
      con_.CopyPage(kBarPage, kScreenPage);
      HighlightTitle(con_, m_);
    }
    // One below the item now current: stepping back up to the first item leaves
    // nothing for Left and Right to open.
    remembered_ = k_ - 1;
  }

  // Enter: the code of the current menu and item. Leaving the program is asked first.
  int Choose() {
    const int code = CommandCode(m_, k_);
    if (code == kExitCode && !ConfirmExit(ui_)) return kNothingChosen;
    return code;
  }

  ui::Modal ui_;
  console::Console& con_;
  int m_ = 1;           // current menu, 0 for none
  int k_ = 0;           // current item, 0 while no drop-down is open
  int remembered_ = 0;  // set by Down and Up; above 0, Left and Right open the next menu
  bool open_next_ = false;
};

}  // namespace

int RunMenu(const ui::Modal& ui) {
  BackOnScreenPage back(ui.console);
  return MenuRun(ui).Run();
}

}  // namespace tessella::editor
