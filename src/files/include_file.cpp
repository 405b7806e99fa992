#include "files/include_file.h"

#include <array>
#include <vector>

#include "codegen/blank_nine.h"
#include "codegen/text_lines.h"
#include "files/include_search.h"

namespace tessella::files {
namespace {

using codegen::Lines;
using codegen::NumberText;

constexpr std::string_view kQuote = "\"";

constexpr std::array<std::string_view, 22> kPbccLauncher{
    " GLOBAL SCN AS STRING",
    " ",
    " DECLARE SUB Putz(BYVAL Lside AS LONG, BYVAL Rside AS LONG, _",
    "   BYVAL Top AS LONG, BYVAL Bottom AS LONG, scr AS STRING)",
    " ",
    " SUB Putz(BYVAL Lside AS LONG, BYVAL Rside AS LONG, _",
    "   BYVAL Top AS LONG, BYVAL Bottom AS LONG, scr AS STRING)",
    "    LOCAL lpReadRegion AS SMALL_RECT, sBuffer AS STRING",
    "    LOCAL x as LONG, Length as LONG",
    "    Length = LEN(scr)",
    "    FOR x = 1 to Length",
    "      sBuffer = sBuffer + MID$(scr, X, 1)+ CHR$(32)",
    "    NEXT x",
    "    lpReadRegion.xLeft = Lside - 1",
    "    lpReadRegion.xRight = Rside - 1",
    "    lpReadRegion.xTop = Top - 1",
    "    lpReadRegion.xBottom = Bottom - 1",
    "    WriteConsoleOutPut GetStdHandle(%STD_OUTPUT_HANDLE), BYVAL STRPTR(sBuffer), _",
    "    BYVAL MAKDWD((Rside+1)-Lside, (Bottom+1)-Top), BYVAL 0&, lpReadRegion",
    "    scr = \"\"",
    " END SUB",
    " ",
};

constexpr std::array<std::string_view, 19> kPbdosLauncher{
    " ",
    " DIM SCN(80) AS Shared String",
    " ",
    " DECLARE SUB LAUNCH (BYVAL c1 AS INTEGER, BYVAL c2 AS INTEGER, BYVAL r1 AS INTEGER, r2 AS "
    "INTEGER, SCN() AS String)",
    " ",
    " SUB LAUNCH (BYVAL c1 AS INTEGER, BYVAL c2 AS INTEGER, BYVAL r1 AS INTEGER, r2 AS INTEGER, "
    "SCN() AS String)",
    "    DIM x AS Integer, colpos AS Integer",
    "    DEF SEG = &HB800",
    "    colpos = (c1 * 2) + (r1 * 160)-162",
    "    FOR x = 1 to r2-r1+1",
    "       POKE$  colpos, SCN(x)",
    "       INCR colpos, 160",
    "       SCN(x) = \"\"",
    "    NEXT x",
    "    DEF SEG",
    " END SUB ",
    " ",
    " ",
    " ",
};

constexpr std::array<std::string_view, 20> kFreeBasicLauncher{
    " DECLARE SUB Putz(Lside AS LONG, Rside AS LONG, _",
    "      Top AS LONG, Bottom AS LONG, scr AS STRING)",
    " ",
    " SUB Putz ( Lside AS LONG, Rside AS LONG, _",
    "    Top AS LONG, Bottom AS LONG, scr AS STRING)",
    "    DIM lpReadRegion AS SMALL_RECT, sBuffer AS STRING ",
    "    DIM x AS LONG, y AS LONG, SIZE AS COORD, ul AS COORD",
    "    FOR x = 1 TO LEN(scr)",
    "       sBuffer = sBuffer & MID$(scr, X&, 1) & CHR$(32)",
    "    NEXT x",
    "    lpReadRegion.Left   = Lside  - 1",
    "    lpReadRegion.Right  = Rside  - 1",
    "    lpReadRegion.Top    = Top    - 1",
    "    lpReadRegion.Bottom = Bottom - 1",
    "    size.x = Rside-Lside+1 : size.y = Bottom-Top+1 : ul.x = 0 : ul.y = 0",
    "    WriteConsoleOutput GetStdHandle(STD_OUTPUT_HANDLE), STRPTR(sBuffer), _",
    "    SIZE,  ul, VARPTR(lpReadRegion)",
    "    scr = \"\"",
    " END SUB",
    " ",
};

// The QB routine takes its corners in the order every screen's call gives them, left
// column, right column, top row, bottom row, like the other kinds' Putz; its body uses
// them by name.
constexpr std::array<std::string_view, 19> kQbLauncher{
    "SUB Putz (c1 AS INTEGER, c2 AS INTEGER, r1 AS INTEGER, r2 AS INTEGER, ss AS STRING)",
    "  DIM S AS STRING, C AS STRING ",
    "  DIM nr AS INTEGER, HI AS INTEGER, LO AS INTEGER, x AS INTEGER, y AS INTEGER",
    "  DEF SEG = &HB800",
    "  nr = 1",
    "  HI = r2 - r1 + 1 ",
    "  LO = r1 * 160 - 160 + (c1 * 2) - 3",
    "  wid = (c2 - c1 + 1) * 2",
    "  FOR y = 1 TO HI ",
    "     S = MID$(ss, nr, wid)",
    "     FOR x = 1 TO LEN(S) ",
    "       C = MID$(S, x, 1)",
    "       POKE LO + x, ASC(C)",
    "       nr = nr + 1 ",
    "     NEXT x ",
    "     LO = LO + 160",
    "  NEXT y",
    "END SUB ",
    " ",
};

template <size_t N>
std::string Join(const std::array<std::string_view, N>& lines) {
  Lines text;
  for (std::string_view line : lines) text.Add(line);
  return text.Take();
}

std::string Quoted(std::string_view row) {
  return std::string(kQuote).append(row).append(kQuote);
}

// "    PUTZ  10, 29, 5, 7, SCN" for columns 10..29 and rows 5..7.
std::string PutzCall(int top, int left, int bottom, int right) {
  return "    PUTZ " + NumberText(left) + "," + NumberText(right) + "," + NumberText(top) + "," +
         NumberText(bottom) + "," + " SCN";
}

// One string expression over several lines: SCN = "row" _, + "row" _, ..., + "row".
void ContinuedRows(Lines& text, const std::vector<std::string_view>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::string lead = i == 0 ? " SCN = " : " + ";
    const std::string tail = i + 1 < rows.size() ? " _" : "";
    text.Add(lead + Quoted(rows[i]) + tail);
  }
}

}  // namespace

std::optional<std::string> SubName(std::string_view typed) {
  const size_t first = typed.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  const size_t last = typed.find_last_not_of(" \t");
  std::string name(typed.substr(first, last - first + 1));
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (name == "PUTZ" || name == "LAUNCH") return std::nullopt;
  return name;
}

std::string LauncherBlock(IncludeKind kind) {
  switch (kind) {
    case IncludeKind::kPbcc: return Join(kPbccLauncher);
    case IncludeKind::kPbdos: return Join(kPbdosLauncher);
    case IncludeKind::kFreeBasic: return Join(kFreeBasicLauncher);
    case IncludeKind::kQb: return Join(kQbLauncher);
  }
  return {};
}

size_t NewFileThreshold(IncludeKind kind) { return kind == IncludeKind::kPbdos ? 20 : 2; }

std::string ScreenBlock(IncludeKind kind, std::string_view name, int top, int left,
                        const console::ScreenImage& cells) {
  // Whole cells only: an attribute 32 before a cell whose character is 9 stays as it is.
  const std::string data = codegen::ApplyBlankNine(cells).bytes();
  const size_t row_bytes = static_cast<size_t>(cells.width()) * console::kPairBytes;
  std::vector<std::string_view> rows;
  for (size_t at = 0; row_bytes > 0 && at < data.size(); at += row_bytes)
    rows.push_back(std::string_view(data).substr(at, row_bytes));
  const int bottom = top + cells.height() - 1;
  const int right = left + cells.width() - 1;
  std::string n(" ");
  n.append(name);

  Lines text;
  if (kind == IncludeKind::kPbdos) {
    text.Add({" ", " "}).Add(" DECLARE SUB" + n + " ()").Add(" ").Add(" SUB" + n + " ()").Add(" ");
    for (size_t i = 0; i < rows.size(); ++i)
      text.Add("   SCN(" + std::to_string(i + 1) + ") = " + Quoted(rows[i]));
    text.Add(" ");
    text.Add("     LAUNCH " + NumberText(left) + ", " + NumberText(right) + ", " +
             NumberText(top) + ", " + NumberText(bottom) + ", SCN()");
    text.Add(" END SUB ");
    return text.Take();
  }

  text.Add({" ", " "}).Add(" DECLARE SUB" + n).Add(" ").Add(" SUB " + n);
  if (kind != IncludeKind::kPbcc) text.Add("    DIM SCN as String");
  if (kind == IncludeKind::kQb) {
    for (size_t i = 0; i < rows.size(); ++i)
      text.Add((i == 0 ? " SCN = " : " SCN = SCN + ") + Quoted(rows[i]));
  } else {
    ContinuedRows(text, rows);
  }
  text.Add(PutzCall(top, left, bottom, right));
  text.Add(kind == IncludeKind::kPbcc ? "END SUB" : " END SUB");
  return text.Take();
}

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  std::string out;
  size_t at = 0;
  for (size_t found; (found = text.find(from, at)) != std::string::npos; at = found + from.size())
    out.append(text, at, found - at).append(to);
  out.append(text, at);
  text = std::move(out);
}

// The line ends left on either side of `at`, where a screen was taken out, close up:
// three or four in a row become two. Only there: elsewhere the bytes 13, 10 may be
// cells of another screen's data.
std::string CloseUp(const std::string& text, size_t at) {
  constexpr std::string_view kLineEnd = "\r\n";
  const auto closed = [](std::string run) {
    ReplaceAll(run, "\r\n\r\n\r\n", "\r\n\r\n");
    ReplaceAll(run, "\r\n\r\n\r\n\r\n", "\r\n\r\n");
    return run;
  };
  size_t before = at;
  while (before >= kLineEnd.size() && text.compare(before - kLineEnd.size(), kLineEnd.size(), kLineEnd) == 0)
    before -= kLineEnd.size();
  size_t after = at + 1;
  while (text.compare(after, kLineEnd.size(), kLineEnd) == 0) after += kLineEnd.size();
  return text.substr(0, before) + closed(text.substr(before, at - before)) + text[at] +
         closed(text.substr(at + 1, after - at - 1)) + text.substr(after);
}

}  // namespace

std::string SaveIncludeScreen(std::string_view old_content, IncludeKind kind,
                              std::string_view name, int top, int left,
                              const console::ScreenImage& cells) {
  std::string text(old_content);
  // Each pass shrinks the text, so the loop ends.
  while (const std::optional<SubBlock> block = FindSubBlock(text, name)) {
    std::string shorter(text, 0, block->begin);
    shorter += ' ';
    shorter.append(text, block->end);
    text = CloseUp(shorter, block->begin);
  }
  if (text.size() < NewFileThreshold(kind)) text += LauncherBlock(kind);
  text += ScreenBlock(kind, name, top, left, cells);
  return text;
}

}  // namespace tessella::files
