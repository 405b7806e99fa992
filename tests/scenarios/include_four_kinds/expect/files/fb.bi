 DECLARE SUB Putz(Lside AS LONG, Rside AS LONG, _
      Top AS LONG, Bottom AS LONG, scr AS STRING)
 
 SUB Putz ( Lside AS LONG, Rside AS LONG, _
    Top AS LONG, Bottom AS LONG, scr AS STRING)
    DIM lpReadRegion AS SMALL_RECT, sBuffer AS STRING 
    DIM x AS LONG, y AS LONG, SIZE AS COORD, ul AS COORD
    FOR x = 1 TO LEN(scr)
       sBuffer = sBuffer & MID$(scr, X&, 1) & CHR$(32)
    NEXT x
    lpReadRegion.Left   = Lside  - 1
    lpReadRegion.Right  = Rside  - 1
    lpReadRegion.Top    = Top    - 1
    lpReadRegion.Bottom = Bottom - 1
    size.x = Rside-Lside+1 : size.y = Bottom-Top+1 : ul.x = 0 : ul.y = 0
    WriteConsoleOutput GetStdHandle(STD_OUTPUT_HANDLE), STRPTR(sBuffer), _
    SIZE,  ul, VARPTR(lpReadRegion)
    scr = ""
 END SUB
 
 
 
 DECLARE SUB MENU
 
 SUB  MENU
    DIM SCN as String
 SCN = "Mqaqiqnq qmqeqnquq ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ" _
 + "ÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄq" _
 + " qquqiqtq ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ"
    PUTZ  10, 29, 5, 7, SCN
 END SUB
