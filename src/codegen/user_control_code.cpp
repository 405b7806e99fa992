#include "codegen/user_control_code.h"

#include "codegen/area_rows.h"
#include "codegen/text_lines.h"

namespace tessella::codegen {
namespace {

// "r1, c1, r2, c2" as number texts.
std::string Corners(const console::Rect& place) {
  return NumberText(place.top) + ", " + NumberText(place.left) + ", " +
         NumberText(place.bottom) + ", " + NumberText(place.right);
}

// The colour question. Its PRINT strings run to the end of the line without a closing
// quote, which the BASIC dialects accept; trailing blanks belong to the strings.
void AddDosColourQuestion(Lines& out) {
  out.Add({
      "DECLARE SUB Launch (r1%, c1%, r2%, c2%, ScnArea$, ForGround%, BkGround%)",
      " CLS",
      "PRINT\" Do you want to change screen colors (y/n)",
      "DO: yn$ = INKEY$: LOOP UNTIL yn$ <> \"\"",
      "IF yn$ = \"Y\" OR yn$ = \"y\" THEN",
      "   CLS",
      "   PRINT\"                  Foreground  and Background colors",
      "   PRINT\"Black=0, Blue=1,  Green=2, Cyan= 3, Red=4, Magent=5, Brown=6, White=7",
      "   PRINT",
      "   PRINT\"                    Rest of Forground colors          ",
      "   PRINT\"Gray=8, Lt-Blue=9, Lt-Green=10, Lt-Cyan=11, Lt-Red=12, Lt-Magenta=13, ",
      "   PRINT\"Yellow=14, Bright white = 15",
      "   PRINT",
      "   INPUT\"Enter new Foreground color number\"; ForGround%",
      "   INPUT\"Enter new BackGround color number\"; BkGround%",
      "END IF ",
      "CLS",
  });
}

void AddDosLauncher(Lines& out, const UserControlAnswers& answers) {
  out.Add({"", "", " SUB Launch (r1%, c1%, r2%, c2%, ScnArea$, ForGround%, BkGround%)",
           "    col% = c1%: row% = r1% "});
  out.Add("    IF ForGround% = 0 AND BkGround% = 0 THEN Forground%  =" +
          NumberText(answers.default_foreground) +
          " : BkGround% = " + NumberText(answers.default_background));
  out.Add({
      "    FOR x% = 1 TO r2% - r1% + 1 ",
      "       READ ScnArea$",
      "       LOCATE row%, col%",
      "       COLOR ForGround%, BkGround%",
      "       PRINT ScnArea$;",
      "       ScnArea$ = \"\"",
      "       row% = row% + 1 ",
      "    NEXT x% ",
      "END SUB ",
  });
}

// PBMAIN with the same colour question as the DOS form, read by LINE INPUT.
void AddPbccMain(Lines& out) {
  out.Add({
      "DECLARE SUB Launch (r1&, c1&, r2&, c2&, ScnArea$, ForGround&, BkGround&)",
      "DECLARE SUB U_NameIt (ForGround&, BkGround&) ",
      "",
      " FUNCTION PBMAIN",
      "   CLS",
      "   CURSOR OFF",
      "   PRINT\" Do you want to change screen colors (y/n)",
      "   DO: yn$ = INKEY$: LOOP UNTIL yn$ <> \"\"",
      "   IF yn$ = \"Y\" OR yn$ = \"y\" THEN",
      "      CLS",
      "      PRINT\"                  Foreground  and Background colors",
      "      PRINT\"Black=0, Blue=1,  Green=2, Cyan= 3, Red=4, Magent=5, Brown=6, White=7",
      "      PRINT\"Gray=8, Lt-Blue=9, Lt-Green=10, Lt-Cyan=11, Lt-Red=12, Lt-Magenta=13, ",
      "      PRINT\"Yellow=14, Bright white = 15",
      "      PRINT",
      "      LINE INPUT\"Enter new Foreground color number\"; FGround$",
      "      LINE INPUT\"Enter new BackGround color number\"; BGround$",
      "      Forground& = VAL(fground$) : BkGround& = VAL(Bground$)",
      "   END IF ",
      "   CLS",
      "   U_NameIt ForGround&, BkGround&",
      "   WAITKEY$",
      " END FUNCTION",
  });
}

void AddPbccLauncher(Lines& out, const UserControlAnswers& answers) {
  out.Add({"", "", " SUB Launch (r1&, c1&, r2&, c2&, ScnArea$, ForGround&, BkGround&)",
           "    y& = 1", "    col& = c1&"});
  out.Add("    IF ForGround& = 0 AND BkGround& = 0 THEN Forground&  =" +
          NumberText(answers.default_foreground) +
          " : BkGround& = " + NumberText(answers.default_background));
  out.Add({
      "    PCOPY 1, 2 : PAGE 2, 1",
      "    FOR x& = r1& TO r2&",
      "       INCR nr& ",
      "       scn$ = MID$(ScnArea$, y&, c2&-c1&+1)",
      "       y& = nr&*(c2&-c1&+1)+1 ",
      "       LOCATE x&, col&",
      "       COLOR ForGround&, BkGround&",
      "       PRINT Scn$;",
      "       Scn$ = \"\"",
      "    NEXT x& ",
      "    PCOPY 2, 1: PAGE 1, 1",
      "    ScnArea$ = \"\"",
      "END SUB ",
  });
}

}  // namespace

std::string UserControlDosCode(const console::ScreenImage& area, const console::Rect& place,
                               const UserControlAnswers& answers) {
  Lines out;
  if (answers.include_launcher) AddDosColourQuestion(out);
  out.Add("");
  out.Add("  RESTORE " + answers.label);
  out.Add("  Launch " + Corners(place) + ", ScnArea$, ForGround%, BkGround%");
  out.Add("");
  out.Add(answers.label + ":");
  for (const std::string& row : CharRowsWithBlankNine(area)) out.Add("DATA " + Quoted(row));
  if (answers.include_launcher) AddDosLauncher(out, answers);
  return out.Take();
}

std::string UserControlPbccCode(const console::ScreenImage& area, const console::Rect& place,
                                const UserControlAnswers& answers) {
  Lines out;
  if (answers.include_launcher) AddPbccMain(out);
  out.Add({"", " SUB U_NameIt (ForGround&, BkGround&)",
           "    FOR x& = 1 TO DATACOUNT : ScnArea$ = ScnArea$ + READ$(x&) :  NEXT x&"});
  out.Add("    Launch " + Corners(place) + ", ScnArea$, ForGround&, BkGround&");
  out.Add({"    EXIT SUB", ""});
  for (const std::string& row : CharRowsWithBlankNine(area)) out.Add("  DATA " + Quoted(row));
  out.Add("END SUB ");
  if (answers.include_launcher) AddPbccLauncher(out, answers);
  return out.Take();
}

}  // namespace tessella::codegen
