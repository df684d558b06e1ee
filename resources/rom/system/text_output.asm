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

; A blank to the current text output. Keeps: BC DE HL.
OutSpace:
  LD A,' '
; Send A to the current text output: the screen, the printer while LLIST
; runs, or EDIT's buffer while it spells a line out. Keeps all registers.
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
  DEC A
  JR NZ,OutToBuffer
  POP AF
  CALL PRINTCHR
  POP DE
  RET
OutToBuffer:                ; the last byte is kept for the end mark: A
  POP AF                    ; lands there, EDITEND stops there
  PUSH HL
  LD HL,(EDITEND)
  LD (HL),A
  PUSH AF
  LD DE,EDITMAX - 1
  RST 18h
  JR NC,OutToBuffer_full
  INC HL
  LD (EDITEND),HL
OutToBuffer_full:
  POP AF
  POP HL
  POP DE
  RET

; Start a new line unless the cursor is already at the start of one.
FreshLine:
  LD A,(OUTDEV)
  OR A
  JR NZ,FreshLineNew
  LD A,(CURSOR)             ; the low byte: the column
  AND 3Fh
  RET Z
FreshLineNew:               ; (also a line's end where one is sure to follow)
  LD A,0Dh
  JR OutChar
