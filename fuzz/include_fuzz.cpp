// Include reader and writer: reading any text under any name is harmless, and a screen
// saved into any text comes back whole under its name.
#include "console/screen_image.h"
#include "files/include_file.h"
#include "files/include_reader.h"
#include "fuzz_input.h"

using namespace tessella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const fuzz::Input in = fuzz::Split(data, size);
  const std::optional<std::string> name = files::SubName(in.name);
  if (!name) return 0;
  const files::IncludeScreen found = files::ReadIncludeScreen(in.bytes, *name, 34, 90);
  if (found.result == files::IncludeFind::kFound) {
    const console::Rect& a = found.area;
    fuzz::Check(a.top >= 1 && a.left >= 1 && a.bottom <= 34 && a.right <= 90, "on the page");
    fuzz::Check(found.pairs.size() <= static_cast<size_t>(a.width() * a.height() * 2) &&
                    found.pairs.size() % 2 == 0,
                "cell count");
  }

  console::ScreenImage cells(3, 2, 'q', 0x71);
  cells.Set(1, 2, '"', 0x0D);
  const auto kind = static_cast<files::IncludeKind>(in.bytes.size() % 4);
  const std::string saved = files::SaveIncludeScreen(in.bytes, kind, *name, 7, 11, cells);
  const files::IncludeScreen back = files::ReadIncludeScreen(saved, *name, 34, 90);
  fuzz::Check(back.result == files::IncludeFind::kFound, "saved screen found");
  fuzz::Check(back.area == (console::Rect{7, 11, 8, 13}), "saved screen's place");
  fuzz::Check(back.pairs == cells.bytes(), "saved screen's cells");
  return 0;
}
