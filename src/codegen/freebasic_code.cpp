#include "codegen/freebasic_code.h"

#include "codegen/blank_nine.h"
#include "codegen/pbcc_code.h"
#include "codegen/text_lines.h"

namespace tessella::codegen {
namespace {

// The trailing blanks belong to the lines.
constexpr std::string_view kPutz[] = {
    " #Include Once \"windows.bi\"",
    "",
    " Function Putz( Lside As Long, Rside As Long, _ ",
    "   Top As Long, Bottom As Long, scr As String)  ",
    "    Dim lpReadRegion As SMALL_RECT, sBuffer As String  ",
    "    Dim x As Long, y As Long, size As COORD, ul As COORD  ",
    "    For x = 1 To Len(scr)                                 ",
    "      sBuffer = sBuffer & Mid$(scr, X&, 1) & Chr$(32)     ",
    "    Next x&                          ",
    "    lpReadRegion.Left = Lside - 1    ",
    "    lpReadRegion.Right = Rside - 1    ",
    "    lpReadRegion.Top = Top - 1        ",
    "    lpReadRegion.Bottom = Bottom - 1  ",
    "    size.x = Rside + 1-Lside           ",
    "    size.y = Bottom + 1 - Top          ",
    "    ul.x = 0 : ul.y = 0                       'upper left ",
    "    WriteConsoleOutput GetStdHandle(STD_OUTPUT_HANDLE), StrPtr(sBuffer), _ ",
    "                       size,  ul, Varptr(lpReadRegion)  ",
    " End Function    ",
    "",
};

std::string ScreenFunction(const console::ScreenImage& image, const console::Rect& area) {
  Lines text;
  text.Add({" FUNCTION U_NameIt", "  DIM Scn as String"});
  text.Raw(ScnRowLiterals(image));
  text.Raw(PutzCallLine(area, " Scn"));
  text.Add({"END FUNCTION", "", " U_NameIt", " SLEEP", " END"});
  return text.Take();
}

}  // namespace

std::string FreeBasicScreenCode(const console::ScreenImage& captured, const console::Rect& area,
                                CodeOption option, ClickableWords& words) {
  Lines region_writer;
  for (std::string_view line : kPutz) region_writer.Add(line);
  return CombineByOption(option, region_writer.text(), ScreenFunction(ApplyBlankNine(captured), area),
                         words, area);
}

}  // namespace tessella::codegen
