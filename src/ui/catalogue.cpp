#include "ui/catalogue.h"

#include <algorithm>
#include <string>

namespace tessella::ui {

const Picture& GetPicture(PictureId id) {
  // The catalogue is sorted by name, as the ids are numbered.
  return AllPictures()[static_cast<size_t>(id)];
}

const Picture* FindPicture(std::string_view name) {
  const auto all = AllPictures();
  const auto it = std::lower_bound(all.begin(), all.end(), name,
                                   [](const Picture& p, std::string_view n) { return p.name < n; });
  if (it == all.end() || it->name != name) return nullptr;
  return &*it;
}

PictureId IdOf(const Picture& picture) {
  return static_cast<PictureId>(&picture - AllPictures().data());
}

void DrawPicture(console::Console& console, PictureId id) {
  const Picture& p = GetPicture(id);
  std::string image(p.image);
  console.Putz(p.left, p.right, p.top, p.bottom, image);
}

}  // namespace tessella::ui
