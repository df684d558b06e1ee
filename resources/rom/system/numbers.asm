; Decimal output: HL as an unsigned number, and the division by 10 under it.

; 0FAFh: display HL as an unsigned decimal number. Keeps all registers.
PrintHLDecimal:
  PUSH AF
  PUSH BC
  PUSH DE
  PUSH HL
  LD B,0
DigitLoop:
  CALL DivideHL10
  PUSH AF
  INC B
  LD A,H
  OR L
  JR NZ,DigitLoop
DigitOut:
  POP AF
  ADD A,'0'
  CALL OutChar
  DJNZ DigitOut
  POP HL
  POP DE
  POP BC
  POP AF
  RET

; HL = HL / 10, A = the remainder.
DivideHL10:
  PUSH BC
  LD B,16
  XOR A
Divide10Step:
  ADD HL,HL
  RLA
  CP 10
  JR C,Divide10Next
  SUB 10
  INC L
Divide10Next:
  DJNZ Divide10Step
  POP BC
  RET
