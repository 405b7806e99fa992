// Pop reader: an accepted header lies on the page, and a file holding the whole area
// writes back to the same bytes.
#include "console/screen_image.h"
#include "files/file_names.h"
#include "files/pop_file.h"
#include "fuzz_input.h"

using namespace tessella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const fuzz::Input in = fuzz::Split(data, size);
  const int cols = files::WidthSuffix(in.name).value_or(90);
  const int rows = 34;
  const files::PopContent pop = files::DecodePop(in.bytes, rows, cols);
  if (pop.refusal != files::PopRefusal::kNone) {
    fuzz::Check(pop.pairs.empty(), "refused files show nothing");
    return 0;
  }
  const console::Rect& a = pop.area;
  fuzz::Check(a.top >= 1 && a.left >= 1 && a.bottom <= rows && a.right <= cols, "on the page");
  const size_t area_bytes = static_cast<size_t>(a.width() * a.height() * 2);
  fuzz::Check(pop.pairs.size() <= area_bytes && pop.pairs.size() % 2 == 0, "cell count");
  if (pop.pairs.size() == area_bytes) {
    const std::optional<std::string> back =
        files::EncodePop(a.top, a.left, console::ScreenImage::FromPairs(pop.pairs, a.width()));
    fuzz::Check(back && in.bytes.starts_with(*back), "round trip");
  }
  return 0;
}
