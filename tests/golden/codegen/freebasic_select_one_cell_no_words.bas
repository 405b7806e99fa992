 FUNCTION U_NameIt
  DIM Scn as String
 Scn = "A" 

    Putz  5, 5, 3, 3, Scn
END FUNCTION

 U_NameIt
 SLEEP
 END
  GetKey Keynumber&, char$, Rgt&, Lft&, Row&, Col&

  IF char$ = "" THEN

  ELSE
      MLabel$ = UCASE$(char$)
  END IF

    SELECT CASE MLabel$
    END SELECT
