 FUNCTION U_NameIt
  DIM Scn as String
 Scn = ""Q"p " _
 + "		aº  " 

    Putz  5, 8, 3, 4, Scn
END FUNCTION

 U_NameIt
 SLEEP
 END
