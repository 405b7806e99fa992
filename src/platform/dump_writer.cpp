#include "platform/dump_writer.h"

#include <stdexcept>

#include "console/cp437.h"
#include "platform/atomic_file.h"

namespace tessella::platform {
namespace {

// Through the one atomic writer, so a reader polling DIR never sees half a dump.
void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  const std::string error = WriteFileAtomically(path, bytes, DefaultNewFileMode());
  if (!error.empty()) throw std::runtime_error(error);
}

}  // namespace

std::string DumpText(const console::Console& console) {
  std::string text;
  const auto& cells = console.DisplayedCells();
  for (int r = 0; r < console.rows(); ++r) {
    for (int c = 0; c < console.cols(); ++c) text += cp437::Glyph(cells[r * console.cols() + c].ch);
    text += '\n';
  }
  return text;
}

std::string DumpScreenImage(const console::Console& console) {
  std::string image;
  image.reserve(console.DisplayedCells().size() * 2);
  for (const auto& cell : console.DisplayedCells()) {
    image += static_cast<char>(cell.ch);
    image += static_cast<char>(cell.attr);
  }
  return image;
}

std::string DumpState(const DumpContent& content) {
  const auto& con = *content.console;
  const auto& s = content.status;
  std::string out;
  auto line = [&out](const char* key, const std::string& value) {
    out += key;
    out += '=';
    out += value;
    out += '\n';
  };
  line("rows", std::to_string(con.rows()));
  line("cols", std::to_string(con.cols()));
  line("cursor_row", std::to_string(s.cursor_row));
  line("cursor_col", std::to_string(s.cursor_col));
  line("cursor_visible", con.cursor_visible() ? "1" : "0");
  line("txcolor", std::to_string(s.txcolor));
  line("bgcolor", std::to_string(s.bgcolor));
  line("page", std::to_string(s.page));
  line("title", con.title());
  line("file", s.file);
  line("beeps", std::to_string(content.beeps));
  return out;
}

void WriteDump(const std::filesystem::path& dir, const std::string& name, const DumpContent& content) {
  std::filesystem::create_directories(dir);
  WriteFile(dir / (name + ".txt"), DumpText(*content.console));
  WriteFile(dir / (name + ".scr"), DumpScreenImage(*content.console));
  WriteFile(dir / (name + ".state"), DumpState(content));
  if (content.clipboard) WriteFile(dir / (name + ".clip"), *content.clipboard);
}

}  // namespace tessella::platform
