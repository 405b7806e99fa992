 #Include Once "windows.bi"

 Function Putz( Lside As Long, Rside As Long, _ 
   Top As Long, Bottom As Long, scr As String)  
    Dim lpReadRegion As SMALL_RECT, sBuffer As String  
    Dim x As Long, y As Long, size As COORD, ul As COORD  
    For x = 1 To Len(scr)                                 
      sBuffer = sBuffer & Mid$(scr, X&, 1) & Chr$(32)     
    Next x&                          
    lpReadRegion.Left = Lside - 1    
    lpReadRegion.Right = Rside - 1    
    lpReadRegion.Top = Top - 1        
    lpReadRegion.Bottom = Bottom - 1  
    size.x = Rside + 1-Lside           
    size.y = Bottom + 1 - Top          
    ul.x = 0 : ul.y = 0                       'upper left 
    WriteConsoleOutput GetStdHandle(STD_OUTPUT_HANDLE), StrPtr(sBuffer), _ 
                       size,  ul, Varptr(lpReadRegion)  
 End Function    

 FUNCTION U_NameIt
  DIM Scn as String
 Scn = "H x 	NÍ " 

    Putz  1, 6, 2, 2, Scn
END FUNCTION

 U_NameIt
 SLEEP
 END
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
  'CONSOLE SCREEN  1,  6  ' Uncomment if you want to adjust window to Menu size 
  CURSOR OFF                ' And the area you selected started at Row 1 and column 1 
  U_NameIt

  DO
  GetKey Keynumber&, char$, Rgt&, Lft&, Row&, Col&

  IF char$ = "" THEN
     IF row& = 5 AND col& > 7 AND col& < 16 THEN MLabel$ = "COPY"
     IF row& = 6 AND col& > 19 AND col& < 25 THEN MLabel$ = "A"

  ELSE
      MLabel$ = UCASE$(char$)
  END IF

    SELECT CASE MLabel$
       CASE "COPY", "C"
            LOCATE 1, 30 : PRINT "You clicked on "& MLabel$
       CASE "A"
            LOCATE 1, 30 : PRINT "You clicked on "& MLabel$
    END SELECT
  LOOP UNTIL Keynumber& = 27
 END FUNCTION
