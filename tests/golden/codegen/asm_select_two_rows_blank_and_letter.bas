 SUB U_NameIt
  local Scn as String
 Scn = ""Q"p " _
 + "		aº  " 

    Putz  5, 8, 3, 4, STRPTR(SCN)
END SUB


  GetKey Keynumber&, char$, Rgt&, Lft&, Row&, Col&

  IF char$ = "" THEN
     IF row& = 7 AND col& > 0 AND col& < 5 THEN MLabel$ = ""
     IF row& = 6 AND col& > 19 AND col& < 25 THEN MLabel$ = "A"

  ELSE
      MLabel$ = UCASE$(char$)
  END IF

    SELECT CASE MLabel$
       CASE "", ""
            LOCATE 1, 30 : PRINT "You clicked on "& MLabel$
       CASE "A"
            LOCATE 1, 30 : PRINT "You clicked on "& MLabel$
    END SELECT
