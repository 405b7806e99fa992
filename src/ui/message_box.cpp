#include "ui/message_box.h"

#include <algorithm>
#include <string>

#include "console/screen_image.h"

namespace tessella::ui {
namespace {

constexpr std::uint8_t kBoxAttr = 0x4F;  // bright white on red
constexpr int kMargin = 2;               // blanks between the frame and the text

// The box as a screen image: a double frame around one line of text.
console::ScreenImage Box(std::string_view text) {
  const int inner = static_cast<int>(text.size()) + 2 * kMargin;
  console::ScreenImage box(inner + 2, 3, ' ', kBoxAttr);
  box.Set(1, 1, 0xC9, kBoxAttr);  // ╔
  box.Set(1, inner + 2, 0xBB, kBoxAttr);  // ╗
  box.Set(3, 1, 0xC8, kBoxAttr);  // ╚
  box.Set(3, inner + 2, 0xBC, kBoxAttr);  // ╝
  for (int c = 2; c <= inner + 1; ++c) {
    box.Set(1, c, 0xCD, kBoxAttr);  // ═
    box.Set(3, c, 0xCD, kBoxAttr);
  }
  box.Set(2, 1, 0xBA, kBoxAttr);  // ║
  box.Set(2, inner + 2, 0xBA, kBoxAttr);
  for (size_t i = 0; i < text.size(); ++i)
    box.Set(2, 2 + kMargin + static_cast<int>(i), static_cast<std::uint8_t>(text[i]), kBoxAttr);
  return box;
}

}  // namespace

void ShowMessage(const Modal& ui, std::string_view text, int ms) {
  auto& con = ui.console;
  const int room = std::max(0, con.cols() - 2 - 2 * kMargin);
  const console::ScreenImage box = Box(text.substr(0, std::min(text.size(), static_cast<size_t>(room))));
  const console::RecordImage under = con.Snapshot();
  const int top = std::max(1, (con.rows() - 1 - box.height()) / 2 + 1);
  const int left = std::max(1, (con.cols() - box.width()) / 2 + 1);
  ui.Beep();
  con.PutImage(top, left, box);
  ui.Pause(ms);
  con.Restore(under);
}

}  // namespace tessella::ui
