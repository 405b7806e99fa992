

  RESTORE First
  Launch  1,  1,  1, ScnArea$

WHILE INKEY$ = "" : WEND

First:
DATA "AB"


  RESTORE Second
  Launch  5,  10,  6, ScnArea$

WHILE INKEY$ = "" : WEND

Second:
DATA "Hñiñ"
DATA "ÄñÄñ"
