 #INCLUDE "C:\PBCC50\WINAPI\WIN32API.INC"

 SUB Putz(BYVAL Lside AS LONG, BYVAL Rside AS LONG, _
   BYVAL Top AS LONG, BYVAL Bottom AS LONG,  BYVAL scr as string)
    LOCAL lpReadRegion AS SMALL_RECT, sBuffer AS STRING
    LOCAL x as LONG, Length as LONG
    Length = LEN(scr)
    FOR x = 1 to Length
      sBuffer = sBuffer + MID$(scr, X&, 1)+ CHR$(32)
    NEXT x
    lpReadRegion.xLeft = Lside - 1
    lpReadRegion.xRight = Rside - 1
    lpReadRegion.xTop = Top - 1
    lpReadRegion.xBottom = Bottom - 1
    WriteConsoleOutPut GetStdHandle(%STD_OUTPUT_HANDLE), BYVAL STRPTR(sBuffer), _
    BYVAL MAKDWD((Rside+1)-Lside, (Bottom+1)-Top), BYVAL 0&, lpReadRegion
    scr = ""
 END SUB


 SUB U_NameIt
  local Scn as String
 Scn = ""Q"p " _
 + "		aº  " 

    Putz  5, 8, 3, 4, SCN
END SUB
