#include "codegen/pbcc_code.h"

#include <span>

#include "codegen/blank_nine.h"
#include "codegen/text_lines.h"

namespace tessella::codegen {
namespace {

// `Putz` widens every byte of the screen string to two (the byte, then a blank), which
// makes each cell the 4-byte record WriteConsoleOutput takes.
constexpr std::string_view kPlainPutz[] = {
    " #INCLUDE \"C:\\PBCC50\\WINAPI\\WIN32API.INC\"",
    "",
    " SUB Putz(BYVAL Lside AS LONG, BYVAL Rside AS LONG, _",
    "   BYVAL Top AS LONG, BYVAL Bottom AS LONG,  BYVAL scr as string)",
    "    LOCAL lpReadRegion AS SMALL_RECT, sBuffer AS STRING",
    "    LOCAL x as LONG, Length as LONG",
    "    Length = LEN(scr)",
    "    FOR x = 1 to Length",
    "      sBuffer = sBuffer + MID$(scr, X&, 1)+ CHR$(32)",
    "    NEXT x",
    "    lpReadRegion.xLeft = Lside - 1",
    "    lpReadRegion.xRight = Rside - 1",
    "    lpReadRegion.xTop = Top - 1",
    "    lpReadRegion.xBottom = Bottom - 1",
    "    WriteConsoleOutPut GetStdHandle(%STD_OUTPUT_HANDLE), BYVAL STRPTR(sBuffer), _",
    "    BYVAL MAKDWD((Rside+1)-Lside, (Bottom+1)-Top), BYVAL 0&, lpReadRegion",
    "    scr = \"\"",
    " END SUB",
    "",
    "",
};

// The same widening done four bytes at a time in inline assembler; the screen string
// is passed by pointer.
constexpr std::string_view kAsmPutz[] = {
    "  '---------------------------------------------------- ",
    "  ' Public Domain Assembly launcher",
    "  '----------------------------------------------------",
    "",
    "     #REGISTER NONE",
    "     #INCLUDE \"win32api.inc\"",
    "     GLOBAL scn AS STRING",
    "",
    "  '--------------------------------------------------------------",
    "  ' Assembly launcher.",
    "  '--------------------------------------------------------------",
    "  SUB Putz(Lside&, Rside&, Top&, Bottom&, BYVAL Ptrscr AS STRING PTR)",
    "",
    "      #REGISTER NONE",
    "",
    "      DIM y AS STRING PTR, y1 AS STRING PTR",
    "      LOCAL sBuffer AS STRING",
    "      DIM LenOfBuf AS LONG , LenOfStr AS LONG , NumCycles AS LONG",
    "      DIM OddNumber AS LONG",
    "      LOCAL lpReadRegion AS SMALL_RECT",
    "",
    "  convert_scr:",
    "",
    "      LenOfStr = ((Rside& + 1) - Lside&) * ((Bottom& + 1) - Top&)",
    "",
    "  '---------------------------------------------------------------------",
    "  ' Multiply string lenght by four to get the size of the buffer to fill",
    "  '---------------------------------------------------------------------",
    "",
    "      ! mov eax, LenOfStr",
    "      ! shl eax, 2",
    "      ! mov LenOfBuf, eax",
    "",
    "  '----------------------------------------------------------------",
    "  ' Divide buffer lenght by eight to get the number of cycles to do",
    "  '----------------------------------------------------------------",
    "",
    "      ! shr eax, 3",
    "      ! mov NumCycles, eax",
    "",
    "  '-----------------------------------------",
    "  ' Verify if string lenght is an odd number",
    "  '-----------------------------------------",
    "      ! bt LenOfStr, 0",
    "      ! jc IsOdd",
    "      ! mov OddNumber, 0",
    "      ! jmp GoOn",
    "",
    "  IsOdd:",
    "",
    "      ! mov OddNumber, 1",
    "",
    "  GoOn:",
    "",
    "      sBuffer = SPACE$(LenOfBuf)",
    "",
    "      y  = Ptrscr",
    "      y1 = STRPTR(sBuffer)",
    "",
    "      ! mov ebx, NumCycles",
    "      ! mov esi, y",
    "      ! mov edi, y1",
    "  Convert:",
    "      ! mov eax, [esi]",
    "      ! mov [edi], al",
    "      ! mov [edi+2], ah",
    "      ! bswap eax",
    "      ! mov [edi+6], al",
    "      ! mov [edi+4], ah",
    "      ! add esi, 4",
    "      ! add edi, 8",
    "      ! dec ebx",
    "      ! jnz Convert",
    "",
    "  '--------------------------------------------------------------------",
    "  ' Verify if the number of characters is odd to manage the extra-bytes",
    "  '--------------------------------------------------------------------",
    "",
    "      ! bt  OddNumber, 0",
    "      ! jnc End_cycle",
    "",
    "      ! mov eax, [esi]",
    "      ! mov [edi], al",
    "      ! mov [edi+2], ah",
    "",
    "  End_Cycle:",
    "",
    "      lpReadRegion.xLeft = Lside& - 1",
    "      lpReadRegion.xRight = Rside& - 1",
    "      lpReadRegion.xTop = Top& - 1",
    "      lpReadRegion.xBottom = Bottom& - 1",
    "      WriteConsoleOutPut GETSTDOUT, BYVAL STRPTR(sBuffer), _",
    "      BYVAL MAKDWD((Rside&+1)-Lside&, (Bottom&+1)-Top&), BYVAL 0&, lpReadRegion",
    "",
    "  END SUB",
    "",
    "",
};

std::string LinesOf(std::span<const std::string_view> table) {
  Lines lines;
  for (std::string_view line : table) lines.Add(line);
  return lines.Take();
}

std::string ScreenSub(const console::ScreenImage& image, const console::Rect& area,
                      Launcher launcher) {
  Lines sub;
  sub.Add({" SUB U_NameIt", "  local Scn as String"});
  sub.Raw(ScnRowLiterals(image));
  sub.Raw(PutzCallLine(area, launcher == Launcher::kAsm ? " STRPTR(SCN)" : " SCN"));
  sub.Add("END SUB");
  if (launcher == Launcher::kAsm) sub.Add({"", ""});
  return sub.Take();
}

}  // namespace

std::string ScnRowLiterals(const console::ScreenImage& image) {
  std::string text;
  for (int r = 1; r <= image.height(); ++r) {
    text += r == 1 ? " Scn = \"" : " + \"";
    text += image.row(r);
    text += "\" _";
    text += kLineEnd;
  }
  // The last row continues nowhere: its underscore and line end go, its blank stays.
  if (!text.empty()) text.resize(text.size() - 1 - kLineEnd.size());
  text += kLineEnd;
  text += kLineEnd;
  return text;
}

std::string PutzCallLine(const console::Rect& area, std::string_view screen_arg) {
  std::string line = "    Putz " + NumberText(area.left) + "," + NumberText(area.right) + "," +
                     NumberText(area.top) + "," + NumberText(area.bottom) + ",";
  line.append(screen_arg);
  return Lines().Add(line).Take();
}

std::optional<std::string> PbccScreenCode(const console::ScreenImage& captured,
                                          const console::Rect& area, CodeOption option,
                                          Launcher launcher, ClickableWords& words) {
  if (launcher == Launcher::kNone) return std::nullopt;
  using Table = std::span<const std::string_view>;
  const std::string region_writer =
      LinesOf(launcher == Launcher::kAsm ? Table(kAsmPutz) : Table(kPlainPutz));
  const std::string screen_sub = ScreenSub(ApplyBlankNine(captured), area, launcher);
  return CombineByOption(option, region_writer, screen_sub, words, area);
}

}  // namespace tessella::codegen
