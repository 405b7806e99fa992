#include "codegen/dos_code.h"

#include "codegen/area_rows.h"
#include "codegen/blank_nine.h"
#include "codegen/text_lines.h"

namespace tessella::codegen {
namespace {

constexpr long long kFirstGwDataLine = 5000;
constexpr long long kGwLineStep = 10;

void AddPbLauncher(Lines& out) {
  out.Add({"",
           "",
           " SUB Launch (r1%, c1%, r2%, ScnArea$)",
           "    DEF SEG = &HB800",
           "    col1% = (c1% * 2) + (r1% * 160)-162",
           "    FOR x = 1 to r2%-r1%+1",
           "       READ ScnArea$",
           "       POKE$  col1%, ScnArea$",
           "       INCR col1%, 160",
           "       ScnArea$ = \"\"",
           "    NEXT x",
           " END SUB ",
           "",
           ""});
}

void AddQbLauncher(Lines& out) {
  out.Add({"",
           "",
           "SUB Launch (r1, c1, r2, ScnArea$)",
           "  HI = r2 - r1 + 1",
           "  DEF SEG = &HB800",
           "  LO = r1 * 160 - 160 + (c1 * 2) - 3",
           "  FOR Y = 1 TO HI",
           "    READ S$",
           "    FOR X = 1 TO LEN(S$)",
           "      C$ = MID$(S$, X, 1)",
           "      POKE LO + X, ASC(C$)",
           "    NEXT X ",
           "    LO = LO + 160 ",
           "  NEXT Y",
           "END SUB",
           "",
           ""});
}

void AddGwProgram(Lines& out, const console::Rect& place) {
  out.Add({"50 KEY OFF"});
  out.Add("100  R1 = " + NumberText(place.top));
  out.Add("110  C1 = " + NumberText(place.left));
  out.Add("120  R2 = " + NumberText(place.bottom));
  out.Add({"140 GOSUB 500",
           "145 COLOR 7, 0",
           "147 WHILE INKEY$ = \"\" : WEND",
           "148 CLS",
           "150 END",
           "500 HI = R2 - R1 + 1",
           "510 DEF SEG = &HB800",
           "525 LO = R1 * 160 - 160 + (C1 * 2) - 3",
           "530 FOR Y = 1 TO HI",
           "540    READ S$",
           "560    FOR X = 1 TO LEN(S$)",
           "570       C$ = MID$(S$, X, 1)",
           "580       POKE LO+X, ASC(C$)",
           "590    NEXT X",
           "600    LO = LO + 160",
           "610 NEXT Y",
           "620 RETURN",
           ""});
}

}  // namespace

std::string DosScreenCode(const console::ScreenImage& area, const console::Rect& place,
                          const DosAnswers& answers) {
  const console::ScreenImage cells = ApplyBlankNine(area);
  const bool labelled = answers.basic == DosBasic::kPB || answers.basic == DosBasic::kQB;
  Lines out;
  if (labelled) {
    out.Add({"", ""});
    out.Add("  RESTORE " + answers.label);
    out.Add("  Launch " + NumberText(place.top) + ", " + NumberText(place.left) + ", " +
            NumberText(place.bottom) + ", ScnArea$");
    out.Add({"", "WHILE INKEY$ = \"\" : WEND", ""});
    out.Add(answers.label + ":");
  }
  long long gw_line = kFirstGwDataLine;
  for (int r = 1; r <= cells.height(); ++r) {
    if (labelled) {
      out.Add("DATA " + Quoted(cells.row(r)));
    } else {
      out.Add(NumberText(gw_line) + " DATA " + Quoted(cells.row(r)));
      gw_line += kGwLineStep;
    }
  }
  if (answers.include_launcher) {
    switch (answers.basic) {
      case DosBasic::kPB: AddPbLauncher(out); break;
      case DosBasic::kQB: AddQbLauncher(out); break;
      case DosBasic::kGW: AddGwProgram(out, place); break;
      case DosBasic::kNone: break;
    }
  }
  return out.Take();
}

DosBasic DosBasicAfterRun(const DosAnswers& answers) {
  return answers.include_launcher ? DosBasic::kNone : answers.basic;
}

}  // namespace tessella::codegen
