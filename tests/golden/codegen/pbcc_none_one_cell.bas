 SUB U_NameIt
  local Scn as String
 Scn = "A" 

    Putz  5, 5, 3, 3, SCN
END SUB
