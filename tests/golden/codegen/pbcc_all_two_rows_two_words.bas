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
    SUB GetKey (Keynumber&, char$, Rgt&, Lft&, Row&, Col&) 
    char$ ="": Keynumber&  = 0
    Rgt&  = 0 : Lft&  = 0
 front:
    char$ = WAITKEY$
    IF ASC(char$, 4) <> 1 AND ASC(char$, 4) <> 2 THEN
        Keynumber& = CVI(char$ + CHR$(0))
        EXIT SUB
    END IF
    IF ASC(char$, 4) = 1 THEN Lft&  = 1 : char$ = ""
    IF ASC(char$, 4) = 2 THEN Rgt&  = 2 : char$ = ""
    IF Lft&  = 0 AND Rgt&  = 0 THEN GOTO front
    Row&  = MOUSEY : Col&  = MOUSEX
  END SUB

FUNCTION PBMAIN
  MOUSE ON : MOUSE 7, DOUBLE, DOWN : SLEEP 10
  'CONSOLE SCREEN  2,  4  ' Uncomment if you want to adjust window to Menu size 
  CURSOR OFF                ' And the area you selected started at Row 1 and column 1 
  U_NameIt

  DO
  GetKey Keynumber&, char$, Rgt&, Lft&, Row&, Col&

  IF char$ = "" THEN
     IF row& = 1 AND col& > 0 AND col& < 5 THEN MLabel$ = "FILE"
     IF row& = 1 AND col& > 5 AND col& < 12 THEN MLabel$ = "‚XIT"

  ELSE
      MLabel$ = UCASE$(char$)
  END IF

    SELECT CASE MLabel$
       CASE "FILE", "F"
            LOCATE 1, 30 : PRINT "You clicked on "& MLabel$
       CASE "‚XIT", "‚"
            LOCATE 1, 30 : PRINT "You clicked on "& MLabel$
    END SELECT
  LOOP UNTIL Keynumber& = 27
 END FUNCTION
