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
; first byte that is not a digit, which is also returned in A. Keeps: BC.
DecimalToBinary:
  PUSH BC
  EX DE,HL                  ; DE walks the text, HL holds the value: no
  LD HL,0                   ; PUSH/POP per digit
  LD A,(DE)                 ; the first digit is the value: no product
  SUB '0'                   ; for it
  CP 10
  JR NC,DecimalEnd
  LD L,A
DecimalNext:
  INC DE
DecimalDigit:
  LD A,(DE)
  SUB '0'
  CP 10
  JR NC,DecimalEnd
  LD B,H
  LD C,L
  ADD HL,HL
  ADD HL,HL
  ADD HL,BC
  ADD HL,HL
  ADD A,L
  LD L,A
  JR NC,DecimalNext
  INC H
  JR DecimalNext
DecimalEnd:
  EX DE,HL
  LD A,(HL)
  POP BC
  RET
