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
 Scn = "A" 

    Putz  5, 5, 3, 3, Scn
END FUNCTION

 U_NameIt
 SLEEP
 END
