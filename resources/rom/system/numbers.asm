; Decimal numbers: output of HL, input of a digit string.

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

; 1E5Ah: DE = the decimal number at HL (modulo 65536); HL is left at the
; first byte that is not a digit, which is also returned in A.
DecimalToBinary:
  LD DE,0
DecimalDigit:
  LD A,(HL)
  SUB '0'
  CP 10
  JR NC,DecimalEnd
  PUSH HL
  LD H,D
  LD L,E
  ADD HL,HL
  ADD HL,HL
  ADD HL,DE
  ADD HL,HL
  LD E,A
  LD D,0
  ADD HL,DE
  EX DE,HL
  POP HL
  INC HL
  JR DecimalDigit
DecimalEnd:
  LD A,(HL)
  RET
