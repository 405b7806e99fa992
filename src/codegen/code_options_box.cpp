#include "codegen/code_options_box.h"

#include <string_view>

#include "ui/dialog.h"

namespace tessella::codegen {
namespace {

constexpr int kMarkFg = 2;   // green
constexpr int kMarkBg = 12;  // on light red
constexpr char kTick = static_cast<char>(251);

}  // namespace

CodeOption AskCodeOption(const ui::Modal& ui) {
  namespace box = ui::code_options;
  auto& con = ui.console;
  con.SetCursorVisible(false);
  ui::ShowBox(ui, box::kPicture);
  con.SetCursorVisible(true);
  const ui::DialogAnswer answer = ui::AskOnce(ui, box::kPicture);

  con.SetColor(kMarkFg, kMarkBg);
  // A key has no place on the console: the cursor stays where it is.
  const bool clicked = answer.event.lft != 0 || answer.event.rgt != 0;
  if (clicked) con.Locate(answer.event.row, answer.event.col);
  switch (answer.button) {
    case box::kAll:
      return CodeOption::kAll;
    case box::kLauncher:
      return CodeOption::kLauncher;
    case box::kSelect:
      con.Print(std::string_view(&kTick, 1));
      return CodeOption::kSelect;
    default:
      return CodeOption::kNone;
  }
}

}  // namespace tessella::codegen
