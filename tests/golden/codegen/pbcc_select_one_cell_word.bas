 SUB U_NameIt
  local Scn as String
 Scn = "A" 

    Putz  5, 5, 3, 3, SCN
END SUB
  GetKey Keynumber&, char$, Rgt&, Lft&, Row&, Col&

  IF char$ = "" THEN
     IF row& = 5 AND col& > 7 AND col& < 16 THEN MLabel$ = "COPY"

  ELSE
      MLabel$ = UCASE$(char$)
  END IF

    SELECT CASE MLabel$
       CASE "COPY", "C"
            LOCATE 1, 30 : PRINT "You clicked on "& MLabel$
    END SELECT
