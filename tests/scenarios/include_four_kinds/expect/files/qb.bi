SUB Putz (c1 AS INTEGER, c2 AS INTEGER, r1 AS INTEGER, r2 AS INTEGER, ss AS STRING)
  DIM S AS STRING, C AS STRING 
  DIM nr AS INTEGER, HI AS INTEGER, LO AS INTEGER, x AS INTEGER, y AS INTEGER
  DEF SEG = &HB800
  nr = 1
  HI = r2 - r1 + 1 
  LO = r1 * 160 - 160 + (c1 * 2) - 3
  wid = (c2 - c1 + 1) * 2
  FOR y = 1 TO HI 
     S = MID$(ss, nr, wid)
     FOR x = 1 TO LEN(S) 
       C = MID$(S, x, 1)
       POKE LO + x, ASC(C)
       nr = nr + 1 
     NEXT x 
     LO = LO + 160
  NEXT y
END SUB 
 
 
 
 DECLARE SUB MENU
 
 SUB  MENU
    DIM SCN as String
 SCN = "Mqaqiqnq qmqeqnquq ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ"
 SCN = SCN + "ÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄqÄq"
 SCN = SCN + " qquqiqtq ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ ñ"
    PUTZ  10, 29, 5, 7, SCN
 END SUB
