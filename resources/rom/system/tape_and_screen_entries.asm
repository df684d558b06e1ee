; Entry points from 01C9h to 0384h: jumps to the screen, tape and input
; routines, and the short routines that keep DE.

  AT CLS
  JP ClearScreen
  AT MOTOROFF
  JP TapeMotorOff
  AT MOTORON
  JP TapeMotorOn
  AT BLINK
  JP TapeBlink
  AT TAPEREAD
  JP TapeReadByte
  AT TAPEWRITE
  JP TapeWriteByte
  AT WRITELEADER
  JP TapeWriteLeader
  AT FINDLEADER
  JP TapeFindLeader
  AT SYSTEMCMD
  JP SystemCommand
  AT TAPEADDR
  JP TapeReadAddress

; Display A keeping DE.
  AT DISPLAYKEEP
  PUSH DE
  CALL DISPLAY
  POP DE
  RET

; Input a line into the buffer at (40A7h): B = length, HL = buffer,
; carry set on BREAK.
  AT INPUTTOBUF
  LD HL,(INBUFPTR)
  LD B,INBUFLEN
  JP LINEINPUTB

; Wait for a key keeping DE.
  AT WAITKEYKEEP
  PUSH DE
  CALL WAITKEY
  POP DE
  RET

