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
 
 
 
 DECLARE SUB ROUND
 
 SUB  ROUND
    DIM SCN as String
 SCN = "lqoqwqeqrq qcqaqsqeq qqq ñ ñ ñ ñ"
 SCN = SCN + " qtqeqxqtq,q q"qqquqoqtqeqdq"q ñ"
    PUTZ  20, 35, 12, 13, SCN
 END SUB
