  '---------------------------------------------------- 
  ' Public Domain Assembly launcher
  '----------------------------------------------------

     #REGISTER NONE
     #INCLUDE "win32api.inc"
     GLOBAL scn AS STRING

  '--------------------------------------------------------------
  ' Assembly launcher.
  '--------------------------------------------------------------
  SUB Putz(Lside&, Rside&, Top&, Bottom&, BYVAL Ptrscr AS STRING PTR)

      #REGISTER NONE

      DIM y AS STRING PTR, y1 AS STRING PTR
      LOCAL sBuffer AS STRING
      DIM LenOfBuf AS LONG , LenOfStr AS LONG , NumCycles AS LONG
      DIM OddNumber AS LONG
      LOCAL lpReadRegion AS SMALL_RECT

  convert_scr:

      LenOfStr = ((Rside& + 1) - Lside&) * ((Bottom& + 1) - Top&)

  '---------------------------------------------------------------------
  ' Multiply string lenght by four to get the size of the buffer to fill
  '---------------------------------------------------------------------

      ! mov eax, LenOfStr
      ! shl eax, 2
      ! mov LenOfBuf, eax

  '----------------------------------------------------------------
  ' Divide buffer lenght by eight to get the number of cycles to do
  '----------------------------------------------------------------

      ! shr eax, 3
      ! mov NumCycles, eax

  '-----------------------------------------
  ' Verify if string lenght is an odd number
  '-----------------------------------------
      ! bt LenOfStr, 0
      ! jc IsOdd
      ! mov OddNumber, 0
      ! jmp GoOn

  IsOdd:

      ! mov OddNumber, 1

  GoOn:

      sBuffer = SPACE$(LenOfBuf)

      y  = Ptrscr
      y1 = STRPTR(sBuffer)

      ! mov ebx, NumCycles
      ! mov esi, y
      ! mov edi, y1
  Convert:
      ! mov eax, [esi]
      ! mov [edi], al
      ! mov [edi+2], ah
      ! bswap eax
      ! mov [edi+6], al
      ! mov [edi+4], ah
      ! add esi, 4
      ! add edi, 8
      ! dec ebx
      ! jnz Convert

  '--------------------------------------------------------------------
  ' Verify if the number of characters is odd to manage the extra-bytes
  '--------------------------------------------------------------------

      ! bt  OddNumber, 0
      ! jnc End_cycle

      ! mov eax, [esi]
      ! mov [edi], al
      ! mov [edi+2], ah

  End_Cycle:

      lpReadRegion.xLeft = Lside& - 1
      lpReadRegion.xRight = Rside& - 1
      lpReadRegion.xTop = Top& - 1
      lpReadRegion.xBottom = Bottom& - 1
      WriteConsoleOutPut GETSTDOUT, BYVAL STRPTR(sBuffer), _
      BYVAL MAKDWD((Rside&+1)-Lside&, (Bottom&+1)-Top&), BYVAL 0&, lpReadRegion

  END SUB


 SUB U_NameIt
  local Scn as String
 Scn = "A" 

    Putz  5, 5, 3, 3, STRPTR(SCN)
END SUB


