#include "ui/catalogue.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tessella::ui {

const Picture* FindPicture(std::string_view name) {
  // The catalogue is sorted by name.
  const auto all = AllPictures();
  const auto it = std::lower_bound(all.begin(), all.end(), name,
                                   [](const Picture& p, std::string_view n) { return p.name < n; });
  if (it == all.end() || it->name != name) return nullptr;
  return &*it;
}

const Picture& GetPicture(std::string_view name) {
  const Picture* p = FindPicture(name);
  if (p == nullptr) throw std::out_of_range("no picture named " + std::string(name));
  return *p;
}

void DrawPicture(console::Console& console, std::string_view name) {
  const Picture& p = GetPicture(name);
  std::string image(p.image);
  console.Putz(p.left, p.right, p.top, p.bottom, image);
}

}  // namespace tessella::ui
