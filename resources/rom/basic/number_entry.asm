; 0FBDh: the ACC as PRINT shows it (without the trailing blank), written
; to the text at HL and ended with 00. In: HL. Out: HL = that text.
; Keeps: nothing.
NumberToAscii:
  PUSH HL
  CALL NumberToText
  POP DE
  PUSH DE
NumberToAscii_copy:
  LD A,(HL)
  LDI
  OR A
  JR NZ,NumberToAscii_copy
  POP HL
  RET
