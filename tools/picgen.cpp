// picgen: turns the picture files (src/ui/pictures/*.pic) into C++: a source file that
// holds every picture as a screen image with its rectangle, its buttons and its input
// fields, and a header that names every picture, button and field at compile time.
//
//   picgen OUTPUT_DIR FILE.pic...     writes OUTPUT_DIR/pictures.cpp and
//                                     OUTPUT_DIR/ui/picture_ids.h
//
// A picture file has a rectangle, a legend of attribute letters, a glyph layer written
// as the glyphs look, a colour layer of legend letters, and button and field lines;
// see src/ui/pictures/README.md. Any mistake stops the build with FILE:LINE and what
// is wrong.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "console/cp437.h"

namespace {

struct Failure {
  std::string where;
  std::string what;
};

[[noreturn]] void Fail(const std::string& file, int line, const std::string& what) {
  throw Failure{file + ":" + std::to_string(line), what};
}

// Decodes UTF-8; returns false on a malformed sequence.
bool DecodeUtf8(const std::string& text, std::vector<char32_t>& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07;
      extra = 3;
    } else {
      return false;
    }
    if (i + extra >= text.size() && extra > 0) return false;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char c = static_cast<unsigned char>(text[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    out.push_back(cp);
    i += 1 + extra;
  }
  return true;
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

struct Button {
  std::string name;
  int left = 0, right = 0, top = 0, bottom = 0;
  std::string lit;  // picture drawn while it is pressed, "" for none
  int lit_ms = -1;   // how long it stays; 0: drawn and left standing; -1: not given
  std::string keys;
  bool is_default = false;
  int line = 0;
};

struct Field {
  std::string name;
  int row = 0, col = 0, length = 0;
  int line = 0;
};

struct Picture {
  std::string name;
  std::string file;
  int left = 0, right = 0, top = 0, bottom = 0;
  std::string image;  // (character, attribute) pairs
  std::vector<Button> buttons;
  std::vector<Field> fields;
};

// snake_case to kCamelCase: exit_box gives kExitBox.
std::string ConstantName(const std::string& name) {
  std::string out = "k";
  bool upper = true;
  for (char c : name) {
    if (c == '_') {
      upper = true;
      continue;
    }
    out += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
    upper = false;
  }
  return out;
}

bool IsName(const std::string& name) {
  if (name.empty() || !std::islower(static_cast<unsigned char>(name[0]))) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return std::islower(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) ||
           c == '_';
  });
}

struct Layer {
  std::vector<std::vector<char32_t>> rows;
  std::vector<int> lines;
  int header_line = 0;
};

Picture ReadPicture(const std::filesystem::path& path) {
  const std::string file = path.string();
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail(file, 0, "cannot open the file");

  Picture pic;
  pic.name = path.stem().string();
  pic.file = file;
  bool have_rect = false;
  int rect_line = 0;
  std::map<char32_t, int> legend;
  Layer glyphs, colours;
  Layer* layer = nullptr;
  bool in_legend = false;

  std::string raw;
  int line_no = 0;
  while (std::getline(in, raw)) {
    ++line_no;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const std::string line = Trim(raw);
    if (layer != nullptr && !line.empty() && line.front() == '|') {
      if (line.size() < 2 || line.back() != '|') {
        Fail(file, line_no, "a layer row must start and end with '|'");
      }
      std::vector<char32_t> cells;
      if (!DecodeUtf8(line.substr(1, line.size() - 2), cells)) {
        Fail(file, line_no, "the row is not valid UTF-8");
      }
      layer->rows.push_back(std::move(cells));
      layer->lines.push_back(line_no);
      continue;
    }
    if (line.empty() || line.front() == '#') continue;
    layer = nullptr;

    std::istringstream words(line);
    std::string keyword;
    words >> keyword;
    if (keyword == "rect") {
      in_legend = false;
      if (have_rect) Fail(file, line_no, "a second 'rect' line");
      if (!(words >> pic.left >> pic.right >> pic.top >> pic.bottom)) {
        Fail(file, line_no, "'rect' needs four numbers: left right top bottom");
      }
      if (pic.left < 1 || pic.top < 1 || pic.right < pic.left || pic.bottom < pic.top) {
        Fail(file, line_no, "the rectangle is empty or starts before row or column 1");
      }
      have_rect = true;
      rect_line = line_no;
    } else if (keyword == "button") {
      in_legend = false;
      Button b;
      b.line = line_no;
      if (!(words >> b.name >> b.left >> b.right >> b.top >> b.bottom) || !IsName(b.name)) {
        Fail(file, line_no,
             "a button line reads: button NAME LEFT RIGHT TOP BOTTOM [lit PICTURE] [ms N] "
             "[keys CHARS] [default]");
      }
      std::string option;
      while (words >> option) {
        if (option == "lit" && (words >> b.lit)) continue;
        if (option == "ms" && (words >> b.lit_ms)) continue;
        if (option == "keys" && (words >> b.keys)) continue;
        if (option == "default") {
          b.is_default = true;
          continue;
        }
        Fail(file, line_no, "unknown or incomplete button option '" + option + "'");
      }
      pic.buttons.push_back(b);
    } else if (keyword == "field") {
      in_legend = false;
      Field f;
      f.line = line_no;
      if (!(words >> f.name >> f.row >> f.col >> f.length) || !IsName(f.name) || f.length < 1) {
        Fail(file, line_no, "a field line reads: field NAME ROW COLUMN LENGTH");
      }
      pic.fields.push_back(f);
    } else if (keyword == "legend") {
      in_legend = true;
    } else if (keyword == "glyphs" || keyword == "colours") {
      in_legend = false;
      layer = keyword == "glyphs" ? &glyphs : &colours;
      if (layer->header_line != 0) Fail(file, line_no, "a second '" + keyword + "' layer");
      layer->header_line = line_no;
    } else if (in_legend) {
      // LETTER = 0xNN  comment
      std::vector<char32_t> letter;
      std::string eq, value;
      if (!DecodeUtf8(keyword, letter) || letter.size() != 1 || !(words >> eq >> value) ||
          eq != "=") {
        Fail(file, line_no, "a legend line reads: LETTER = 0xNN  description");
      }
      char* end = nullptr;
      const long attr = std::strtol(value.c_str(), &end, 0);
      if (*end != '\0' || attr < 0 || attr > 255) {
        Fail(file, line_no, "'" + value + "' is not an attribute byte (0 to 0xFF)");
      }
      if (letter[0] == U'|' || !legend.emplace(letter[0], static_cast<int>(attr)).second) {
        Fail(file, line_no, "colour letter '" + keyword + "' is declared twice or is '|'");
      }
    } else {
      Fail(file, line_no,
           "unexpected line; expected rect, legend, glyphs, colours, button or field");
    }
  }

  if (!have_rect) Fail(file, line_no, "no 'rect LEFT RIGHT TOP BOTTOM' line");
  if (glyphs.header_line == 0) Fail(file, line_no, "no 'glyphs' layer");
  if (colours.header_line == 0) Fail(file, line_no, "no 'colours' layer");
  const int width = pic.right - pic.left + 1;
  const int height = pic.bottom - pic.top + 1;
  for (const Layer* l : {&glyphs, &colours}) {
    const char* name = l == &glyphs ? "glyphs" : "colours";
    if (static_cast<int>(l->rows.size()) != height) {
      Fail(file, l->header_line,
           std::string("the ") + name + " layer has " + std::to_string(l->rows.size()) +
               " rows; the rectangle (line " + std::to_string(rect_line) + ") is " +
               std::to_string(height) + " rows high");
    }
    for (std::size_t r = 0; r < l->rows.size(); ++r) {
      if (static_cast<int>(l->rows[r].size()) != width) {
        Fail(file, l->lines[r],
             std::string("this ") + name + " row is " + std::to_string(l->rows[r].size()) +
                 " cells wide; the rectangle is " + std::to_string(width) + " columns wide");
      }
    }
  }

  pic.image.reserve(2 * width * height);
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width; ++c) {
      const char32_t g = glyphs.rows[r][c];
      const int byte = tessella::cp437::FromCodePoint(g);
      if (byte < 0) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(g));
        Fail(file, glyphs.lines[r],
             "column " + std::to_string(c + 1) + " holds " + hex +
                 ", which has no code page 437 byte");
      }
      const char32_t letter = colours.rows[r][c];
      const auto it = legend.find(letter);
      if (it == legend.end()) {
        char shown[16];
        if (letter >= 0x20 && letter < 0x7F) {
          std::snprintf(shown, sizeof shown, "%c", static_cast<char>(letter));
        } else {
          std::snprintf(shown, sizeof shown, "U+%04X", static_cast<unsigned>(letter));
        }
        Fail(file, colours.lines[r],
             "column " + std::to_string(c + 1) + ": colour letter '" + std::string(shown) +
                 "' is not in the legend");
      }
      pic.image += static_cast<char>(byte);
      pic.image += static_cast<char>(it->second);
    }
  }
  int defaults = 0;
  for (std::size_t i = 0; i < pic.buttons.size(); ++i) {
    const Button& b = pic.buttons[i];
    if (b.left < pic.left || b.right > pic.right || b.top < pic.top || b.bottom > pic.bottom ||
        b.right < b.left || b.bottom < b.top) {
      Fail(file, b.line, "button '" + b.name + "' does not lie inside the picture's rectangle");
    }
    if (!b.lit.empty() && b.lit_ms < 0) {
      Fail(file, b.line, "button '" + b.name + "' is lit: say for how long with 'ms N'");
    }
    if (b.is_default) ++defaults;
    for (std::size_t j = 0; j < i; ++j) {
      if (pic.buttons[j].name == b.name) Fail(file, b.line, "a second button '" + b.name + "'");
    }
  }
  if (defaults > 1) Fail(file, line_no, "more than one default button");
  for (std::size_t i = 0; i < pic.fields.size(); ++i) {
    const Field& f = pic.fields[i];
    if (f.row < pic.top || f.row > pic.bottom || f.col < pic.left ||
        f.col + f.length - 1 > pic.right) {
      Fail(file, f.line, "field '" + f.name + "' does not lie inside the picture's rectangle");
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (pic.fields[j].name == f.name) Fail(file, f.line, "a second field '" + f.name + "'");
    }
  }
  return pic;
}

// A C++ string literal of the bytes, one source line per picture row.
void WriteLiteral(std::ostream& out, const std::string& bytes, std::size_t row_bytes) {
  for (std::size_t start = 0; start < bytes.size(); start += row_bytes) {
    out << "\n      \"";
    for (std::size_t i = start; i < std::min(bytes.size(), start + row_bytes); ++i) {
      const unsigned char b = static_cast<unsigned char>(bytes[i]);
      if (b >= 0x20 && b < 0x7F && b != '\\' && b != '"' && b != '?') {
        out << static_cast<char>(b);
      } else {
        char esc[8];
        std::snprintf(esc, sizeof esc, "\\%03o", b);
        out << esc;
      }
    }
    out << '"';
  }
}

// A lit picture named by a button must exist and cover the button it lights.
void CheckLitPictures(const std::vector<Picture>& pictures) {
  for (const Picture& p : pictures) {
    for (const Button& b : p.buttons) {
      if (b.lit.empty()) continue;
      const auto lit = std::find_if(pictures.begin(), pictures.end(),
                                    [&](const Picture& q) { return q.name == b.lit; });
      if (lit == pictures.end()) Fail(p.file, b.line, "no picture named '" + b.lit + "'");
      if (lit->left > b.left || lit->right < b.right || lit->top > b.top || lit->bottom < b.bottom) {
        Fail(p.file, b.line, "'" + b.lit + "' does not cover button '" + b.name + "'");
      }
    }
  }
}

std::string Quoted(const std::string& s) { return "\"" + s + "\"sv"; }

std::string PictureIdsHeader(const std::vector<Picture>& pictures) {
  std::ostringstream out;
  out << "// Generated by picgen from src/ui/pictures/*.pic. Do not edit.\n"
         "// Every picture by name, and in each picture's namespace its buttons and input\n"
         "// fields by name, as their places in the picture's lists.\n"
         "#pragma once\n\n"
         "namespace tessella::ui {\n\n"
         "enum class PictureId : int {\n"
         "  kNone = -1,\n";
  for (const Picture& p : pictures) out << "  " << ConstantName(p.name) << ",\n";
  out << "};\n\n"
         "inline constexpr int kPictureCount = " << pictures.size() << ";\n";
  for (const Picture& p : pictures) {
    if (p.buttons.empty() && p.fields.empty()) continue;
    out << "\nnamespace " << p.name << " {\n"
        << "inline constexpr PictureId kPicture = PictureId::" << ConstantName(p.name) << ";\n";
    for (std::size_t i = 0; i < p.buttons.size(); ++i)
      out << "inline constexpr int " << ConstantName(p.buttons[i].name) << " = " << i << ";\n";
    for (std::size_t i = 0; i < p.fields.size(); ++i)
      out << "inline constexpr int " << ConstantName(p.fields[i].name) << "Field = " << i << ";\n";
    out << "}  // namespace " << p.name << "\n";
  }
  out << "\n}  // namespace tessella::ui\n";
  return out.str();
}

std::string PicturesSource(const std::vector<Picture>& pictures) {
  std::ostringstream out;
  out << "// Generated by picgen from src/ui/pictures/*.pic. Do not edit.\n"
         "#include <array>\n\n"
         "#include \"ui/catalogue.h\"\n\n"
         "namespace tessella::ui {\n"
         "namespace {\n\n"
         "using namespace std::string_view_literals;\n\n";
  for (const Picture& p : pictures) {
    if (!p.buttons.empty()) {
      out << "constexpr std::array<Button, " << p.buttons.size() << "> k"
          << ConstantName(p.name).substr(1) << "Buttons = {{\n";
      for (const Button& b : p.buttons) {
        out << "  {" << Quoted(b.name) << ", {" << b.top << ", " << b.left << ", " << b.bottom
            << ", " << b.right << "}, PictureId::" << (b.lit.empty() ? "kNone" : ConstantName(b.lit))
            << ", " << std::max(0, b.lit_ms) << ", " << Quoted(b.keys) << ", " << (b.is_default ? "true" : "false")
            << "},\n";
      }
      out << "}};\n";
    }
    if (!p.fields.empty()) {
      out << "constexpr std::array<Field, " << p.fields.size() << "> k"
          << ConstantName(p.name).substr(1) << "Fields = {{\n";
      for (const Field& f : p.fields) {
        out << "  {" << Quoted(f.name) << ", " << f.row << ", " << f.col << ", " << f.length
            << "},\n";
      }
      out << "}};\n";
    }
  }
  out << "\nconstexpr std::array<Picture, " << pictures.size() << "> kPictures = {{\n";
  for (const Picture& p : pictures) {
    out << "  {" << Quoted(p.name) << ", " << p.left << ", " << p.right << ", " << p.top << ", "
        << p.bottom << ",";
    WriteLiteral(out, p.image, 2 * static_cast<std::size_t>(p.right - p.left + 1));
    out << "sv, ";
    out << (p.buttons.empty() ? std::string("{}") : "k" + ConstantName(p.name).substr(1) + "Buttons")
        << ", ";
    out << (p.fields.empty() ? std::string("{}") : "k" + ConstantName(p.name).substr(1) + "Fields")
        << "},\n";
  }
  out << "}};\n\n"
         "}  // namespace\n\n"
         "std::span<const Picture> AllPictures() { return kPictures; }\n\n"
         "}  // namespace tessella::ui\n";
  return out.str();
}

// Writes the file only when its bytes change, so an edited picture rebuilds only what
// uses the pictures.
bool WriteIfChanged(const std::filesystem::path& target, const std::string& bytes) {
  std::error_code ec;
  std::filesystem::create_directories(target.parent_path(), ec);
  {
    std::ifstream old(target, std::ios::binary);
    std::ostringstream had;
    had << old.rdbuf();
    if (old && had.str() == bytes) return true;
  }
  const std::filesystem::path temp = target.string() + ".tmp";
  {
    std::ofstream file(temp, std::ios::binary);
    file << bytes;
    if (!file) {
      std::cerr << "picgen: error: cannot write " << temp << "\n";
      return false;
    }
  }
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::cerr << "picgen: error: cannot write " << target << ": " << ec.message() << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: picgen OUTPUT_DIR FILE.pic...\n";
    return 2;
  }
  std::vector<Picture> pictures;
  try {
    for (int i = 2; i < argc; ++i) pictures.push_back(ReadPicture(argv[i]));
    CheckLitPictures(pictures);
  } catch (const Failure& f) {
    std::cerr << f.where << ": error: " << f.what << "\n";
    return 1;
  }
  std::sort(pictures.begin(), pictures.end(),
            [](const Picture& a, const Picture& b) { return a.name < b.name; });
  for (std::size_t i = 1; i < pictures.size(); ++i) {
    if (pictures[i].name == pictures[i - 1].name) {
      std::cerr << "picgen: error: two pictures are named '" << pictures[i].name << "'\n";
      return 1;
    }
  }
  const std::filesystem::path dir = argv[1];
  const bool ok = WriteIfChanged(dir / "ui" / "picture_ids.h", PictureIdsHeader(pictures)) &&
                  WriteIfChanged(dir / "pictures.cpp", PicturesSource(pictures));
  return ok ? 0 : 1;
}
