#include "files/art_formats.h"

#include <array>

#include "files/art_ansi.h"
#include "files/art_bin.h"
#include "files/art_text.h"
#include "files/art_xbin.h"

namespace tessella::files {
namespace {

const std::array<ArtFormat, 4> kFormats = {{
    {".ANS", "ANSI art with a SAUCE record",
     [](std::string_view b, const ArtReadOptions& o) { return ReadAnsi(b, o.width); }, WriteAnsi},
    {".BIN", "binary screen (character, attribute pairs) with a SAUCE record",
     [](std::string_view b, const ArtReadOptions& o) { return ReadBin(b, o.width); }, WriteBin},
    {".XB", "XBin, compressed, with its palette and font",
     [](std::string_view b, const ArtReadOptions&) { return ReadXBin(b); },
     [](const ArtDocument& d) { return WriteXBin(d); }},
    {".TXT", "UTF-8 text of the CP437 characters, no colours",
     [](std::string_view b, const ArtReadOptions& o) { return ReadText(b, o.width); }, WriteText},
}};

}  // namespace

std::span<const ArtFormat> ArtFormats() { return kFormats; }

std::string UpperExtension(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string_view base = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = base.find_last_of('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  std::string ext(base.substr(dot));
  for (char& c : ext) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return ext;
}

const ArtFormat* FindArtFormat(std::string_view path) {
  const std::string ext = UpperExtension(path);
  for (const ArtFormat& f : kFormats) {
    if (f.extension == ext) return &f;
  }
  return nullptr;
}

}  // namespace tessella::files
