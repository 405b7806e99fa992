#include "codegen/xprint_code.h"

#include <string_view>

#include "codegen/area_rows.h"
#include "codegen/text_lines.h"

namespace tessella::codegen {
namespace {

// Pixels per character cell of the graphic window.
constexpr long long kCellWidth = 15;
constexpr long long kCellHeight = 30;

// The SUB line and the font set-up both subroutines start with.
Lines Head(std::string_view sub_name) {
  Lines out;
  out.Add(" Sub " + std::string(sub_name) + " ()            ' Rename the sub ");
  out.Add({
      "",
      "    LOCAL pts AS SINGLE, FontName AS STRING ",
      "    LOCAL st, chset, pit, esc, hwin, hfont AS LONG ",
      "",
      "    FontName = \"Lucida Console\"  'Change to suit  ",
      "    pts      = 12                  'Character size       ",
      "    st       = 16                  'Regular style             ",
      "    chset    = 255                 'Character set        ",
      "    pit      = 1                   'Fixed width font        ",
      "    esc      = 0                   'Angle with base line    ",
      "",
      "    FONT NEW FontName, pts, st, chset, pit, esc TO hFont ",
      "",
  });
  return out;
}

}  // namespace

std::string XprintCode(const console::ScreenImage& area) {
  Lines out = Head("Printform");
  out.Add({"    XPRINT ATTACH CHOOSE  ", "    XPRINT SET FONT hFont ", ""});
  for (const std::string& row : CharRowsWithBlankNine(area)) out.Add("    XPRINT " + Quoted(row));
  out.Add({
      "   XPRINT  FORMFEED ",
      "   XPRINT  CLOSE    ",
      "   FONT END hFont   ",
      " END SUB ",
      "",
  });
  return out.Take();
}

std::string GraphicPrintCode(const console::ScreenImage& area) {
  Lines out = Head("gWindow");
  out.Add("    GRAPHIC WINDOW \"Example SUB\",10,10," + NumberText(kCellWidth * area.width()) +
          "," + NumberText(kCellHeight * area.height()) + " TO hWin    ");
  out.Add({
      "    GRAPHIC ATTACH hWin,0  ",
      "    GRAPHIC COLOR %BLACK, %WHITE   ' Default colors  ",
      "    GRAPHIC CLEAR  ",
      "    GRAPHIC SET FONT hFont   ",
      "",
  });
  for (const std::string& row : CharRowsWithBlankNine(area))
    out.Add("    GRAPHIC PRINT " + Quoted(row));
  out.Add({
      "    FONT END hfont    ",
      "    GRAPHIC WAITKEY$    ",
      "    GRAPHIC WINDOW END   ",
      "",
      " END SUB    ",
      "",
  });
  return out.Take();
}

}  // namespace tessella::codegen
