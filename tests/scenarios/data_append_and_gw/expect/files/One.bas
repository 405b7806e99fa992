

  RESTORE Third
  Launch  5,  10,  6, ScnArea$

WHILE INKEY$ = "" : WEND

Third:
DATA "Hñiñ"
DATA "ÄñÄñ"


 SUB Launch (r1%, c1%, r2%, ScnArea$)
    DEF SEG = &HB800
    col1% = (c1% * 2) + (r1% * 160)-162
    FOR x = 1 to r2%-r1%+1
       READ ScnArea$
       POKE$  col1%, ScnArea$
       INCR col1%, 160
       ScnArea$ = ""
    NEXT x
 END SUB 


