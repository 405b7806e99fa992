#include "files/art_render.h"

#include "files/art_xbin.h"

#if TESSELLA_HAVE_ANSILOVE
#include <ansilove.h>
#include <sys/mman.h>
#endif

namespace tessella::files {

#if TESSELLA_HAVE_ANSILOVE

namespace {

// One libansilove run over bytes Tessella owns. The library takes its input as if it
// had mapped the file itself, so the buffer is handed back before the clean-up, which
// would otherwise unmap it.
class AnsiloveRun {
 public:
  explicit AnsiloveRun(std::string input) : input_(std::move(input)) {
    if (ansilove_init(&ctx_, &options_) != 0) throw ArtError("libansilove could not start");
    ctx_.buffer = reinterpret_cast<std::uint8_t*>(input_.data());
    ctx_.length = ctx_.maplen = input_.size();
    options_.font = ANSILOVE_FONT_CP437;
    options_.bits = 8;
  }
  ~AnsiloveRun() {
    ctx_.buffer = static_cast<std::uint8_t*>(MAP_FAILED);
    ctx_.maplen = 0;
    ansilove_clean(&ctx_);
  }
  AnsiloveRun(const AnsiloveRun&) = delete;
  AnsiloveRun& operator=(const AnsiloveRun&) = delete;

  std::string Png(AnsiloveReader reader, int columns, bool ice_colours) {
    options_.columns = static_cast<std::int16_t>(columns);
    options_.icecolors = ice_colours;
    int status = -1;
    switch (reader) {
      case AnsiloveReader::kBinary: status = ansilove_binary(&ctx_, &options_); break;
      case AnsiloveReader::kXBin: status = ansilove_xbin(&ctx_, &options_); break;
      case AnsiloveReader::kAnsi: status = ansilove_ansi(&ctx_, &options_); break;
    }
    if (status != 0 || ctx_.png.buffer == nullptr || ctx_.png.length <= 0) {
      const char* why = status != 0 ? ansilove_error(&ctx_) : nullptr;
      throw ArtError(std::string("libansilove could not draw the picture") +
                     (why != nullptr ? std::string(": ") + why : std::string()));
    }
    return std::string(reinterpret_cast<const char*>(ctx_.png.buffer),
                       static_cast<std::size_t>(ctx_.png.length));
  }

 private:
  std::string input_;
  ansilove_ctx ctx_{};
  ansilove_options options_{};
};

}  // namespace

bool CanRender() { return true; }

std::string RenderWithAnsilove(AnsiloveReader reader, std::string_view bytes, int columns,
                               bool ice_colours) {
  if (bytes.empty()) throw ArtError("nothing to draw");
  return AnsiloveRun(std::string(bytes)).Png(reader, columns, ice_colours);
}

#else

bool CanRender() { return false; }

std::string RenderWithAnsilove(AnsiloveReader, std::string_view, int, bool) {
  throw ArtError("this Tessella was built without libansilove and cannot render");
}

#endif

std::string RenderPng(const ArtDocument& doc) {
  const console::ScreenImage& cells = doc.cells;
  if (cells.empty()) throw ArtError("the picture has no cells to draw");
  const bool own_look = !doc.look.palette.empty() || !doc.look.font.empty();
  const long long row_pixels = own_look && !doc.look.font.empty() ? doc.look.font_height : 16;
  const long long pixels = 8LL * cells.width() * row_pixels * cells.height();
  if (pixels > kMaxRenderPixels) {
    throw ArtError(std::to_string(cells.height()) + " rows of " + std::to_string(cells.width()) +
                   " columns make too big a picture (at most " +
                   std::to_string(kMaxRenderPixels / (8LL * cells.width() * row_pixels)) +
                   " rows)");
  }
  if (own_look) {
    return RenderWithAnsilove(AnsiloveReader::kXBin,
                              WriteXBin(doc, {.compress = false, .sauce = false}), cells.width(),
                              doc.ice_colours);
  }
  return RenderWithAnsilove(AnsiloveReader::kBinary, cells.bytes(), cells.width(), doc.ice_colours);
}

}  // namespace tessella::files
