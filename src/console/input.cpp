#include "console/input.h"

namespace tessella::console {

void Input::SetMouseMode(MouseMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  source_.SetMouseTracking(mode == MouseMode::kTracking);
}

std::optional<std::string> Input::Deliver(const InputRecord& record) {
  if (const auto* key = std::get_if<KeyRecord>(&record)) return EncodeKey(*key);
  const auto& mouse = std::get<MouseRecord>(record);
  auto encoded = EncodeMouse(mouse, mode_);
  if (encoded) {
    mouse_row_ = mouse.row;
    mouse_col_ = mouse.col;
  }
  return encoded;
}

std::string Input::Poll() {
  while (auto record = source_.Poll()) {
    if (auto key = Deliver(*record)) return *key;
  }
  return {};
}

std::string Input::Wait() {
  for (;;) {
    if (auto key = Deliver(source_.Wait())) return *key;
  }
}

Event GetKey(Input& input) {
  input.SetMouseMode(MouseMode::kStandard);
  Event ev;
  ev.key = input.Wait();
  const int button = ev.key.size() == 4 ? static_cast<unsigned char>(ev.key[3]) : 0;
  if (button != 1 && button != 2) {
    ev.keynumber = KeyNumber(ev.key);
    return ev;
  }
  (button == 1 ? ev.lft : ev.rgt) = 1;
  ev.key.clear();
  ev.row = input.mouse_row();
  ev.col = input.mouse_col();
  return ev;
}

}  // namespace tessella::console
