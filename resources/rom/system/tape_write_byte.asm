; Writing a byte to tape, a bit cell at a time (tape_write.asm).
;
; RAM: none of its own.

; 0264h: write A. All registers kept.
TapeWriteByte:
  PUSH AF
  PUSH BC
  PUSH DE
  LD C,A
  LD B,8
WriteBitLoop:
  RLC C
  CALL TapeWriteBit
  DJNZ WriteBitLoop
  POP DE
  POP BC
  POP AF
  RET
