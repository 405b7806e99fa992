#include "ui/dialog.h"

#include <algorithm>

#include "console/line_input.h"

namespace tessella::ui {

void ShowBox(const Modal& ui, PictureId box) { DrawPicture(ui.console, box); }

int ButtonFor(const Picture& box, const console::Event& event) {
  const bool clicked = event.lft || event.rgt;
  for (size_t i = 0; i < box.buttons.size(); ++i) {
    const Button& b = box.buttons[i];
    if (clicked && b.click.Contains(event.row, event.col)) return static_cast<int>(i);
    if (!clicked && event.key.size() == 1 && b.keys.find(event.key[0]) != std::string_view::npos)
      return static_cast<int>(i);
  }
  const auto fallback = std::find_if(box.buttons.begin(), box.buttons.end(),
                                     [](const Button& b) { return b.is_default; });
  return fallback == box.buttons.end() ? -1 : static_cast<int>(fallback - box.buttons.begin());
}

void LightButton(const Modal& ui, PictureId box, int button) {
  const Picture& picture = GetPicture(box);
  if (button < 0 || button >= static_cast<int>(picture.buttons.size())) return;
  const Button& b = picture.buttons[static_cast<size_t>(button)];
  if (b.lit == PictureId::kNone) return;
  DrawPicture(ui.console, b.lit);
  ui.Pause(b.lit_ms);
}

DialogAnswer AskOnce(const Modal& ui, PictureId box) {
  DialogAnswer answer;
  answer.event = console::GetKey(ui.input);
  answer.button = ButtonFor(GetPicture(box), answer.event);
  LightButton(ui, box, answer.button);
  return answer;
}

std::string ReadField(const Modal& ui, PictureId box, int field, int max_length) {
  const Field& f = GetPicture(box).fields[static_cast<size_t>(field)];
  return console::ReadLine(ui.console, ui.input, f.row, f.col, max_length, f.length);
}

}  // namespace tessella::ui
