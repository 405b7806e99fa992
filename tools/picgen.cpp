// picgen: turns the picture files (src/ui/pictures/*.pic) into a C++ source file that
// holds every picture as a screen image with its rectangle.
//
//   picgen OUTPUT.cpp FILE.pic...
//
// A picture file has a rectangle, a legend of attribute letters, a glyph layer written
// as the glyphs look, and a colour layer of legend letters; see
// src/ui/pictures/README.md. Any mistake stops the build with FILE:LINE and what is
// wrong.
#include <algorithm>
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

struct Picture {
  std::string name;
  int left = 0, right = 0, top = 0, bottom = 0;
  std::string image;  // (character, attribute) pairs
};

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
      Fail(file, line_no, "unexpected line; expected rect, legend, glyphs or colours");
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: picgen OUTPUT.cpp FILE.pic...\n";
    return 2;
  }
  std::vector<Picture> pictures;
  try {
    for (int i = 2; i < argc; ++i) pictures.push_back(ReadPicture(argv[i]));
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

  std::ostringstream out;
  out << "// Generated by picgen from src/ui/pictures/*.pic. Do not edit.\n"
         "#include <array>\n\n"
         "#include \"ui/catalogue.h\"\n\n"
         "namespace tessella::ui {\n"
         "namespace {\n\n"
         "using namespace std::string_view_literals;\n\n"
         "constexpr std::array<Picture, "
      << pictures.size() << "> kPictures = {{\n";
  for (const Picture& p : pictures) {
    out << "  {\"" << p.name << "\", " << p.left << ", " << p.right << ", " << p.top << ", "
        << p.bottom << ",";
    WriteLiteral(out, p.image, 2 * (p.right - p.left + 1));
    out << "sv},\n";
  }
  out << "}};\n\n"
         "}  // namespace\n\n"
         "std::span<const Picture> AllPictures() { return kPictures; }\n\n"
         "}  // namespace tessella::ui\n";

  const std::filesystem::path target = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(target.parent_path(), ec);
  const std::filesystem::path temp = target.string() + ".tmp";
  {
    std::ofstream file(temp, std::ios::binary);
    file << out.str();
    if (!file) {
      std::cerr << "picgen: error: cannot write " << temp << "\n";
      return 1;
    }
  }
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::cerr << "picgen: error: cannot write " << target << ": " << ec.message() << "\n";
    return 1;
  }
  return 0;
}
