

  RESTORE First
  Launch  1,  1,  1, ScnArea$

WHILE INKEY$ = "" : WEND

First:
DATA "AB"
