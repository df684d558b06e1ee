; Text output for the system and BASIC: strings, characters to the screen
; or the printer, and a fresh line.
;
; RAM: OUTDEV, CURSOR.

; Display the text at HL up to a 00 byte; HL ends after it.
PrintString:
  LD A,(HL)
  INC HL
  OR A
  RET Z
  CALL OutChar
  JR PrintString

; Send A to the current text output: the screen, or the printer while
; LLIST runs. Keeps all registers.
OutChar:
  PUSH DE
  PUSH AF
  LD A,(OUTDEV)
  OR A
  JR NZ,OutToPrinter
  POP AF
  CALL DISPLAY
  POP DE
  RET
OutToPrinter:
  POP AF
  CALL PRINTCHR
  POP DE
  RET

; Start a new line unless the cursor is already at the start of one.
FreshLine:
  LD A,(OUTDEV)
  OR A
  JR NZ,FreshLineNew
  PUSH HL
  LD HL,(CURSOR)
  LD A,L
  AND 3Fh
  POP HL
  RET Z
FreshLineNew:
  LD A,0Dh
  JR OutChar
