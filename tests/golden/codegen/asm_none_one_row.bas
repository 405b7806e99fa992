 SUB U_NameIt
  local Scn as String
 Scn = "H x 	NÍ " 

    Putz  1, 6, 2, 2, STRPTR(SCN)
END SUB


