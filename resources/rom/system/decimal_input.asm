; Decimal input: a digit string to a 16-bit number.
;
; RAM: none.

; 1E5Ah: DE = the decimal number at HL; HL is left at the first byte that
; is not a digit, which is also returned in A. A number past 65535 is ?SN:
; every caller takes a line number (or SYSTEM's address), and one taken
; modulo 65536 would name another line (70010 would replace 4474). Keeps:
; BC.
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
  ADD HL,HL                 ; (a carry out of the first doubling shows
  ADD HL,HL                 ; in the next three)
  JR C,DecimalOver
  ADD HL,BC
  JR C,DecimalOver
  ADD HL,HL
  JR C,DecimalOver
  ADD A,L
  LD L,A
  JR NC,DecimalNext
  INC H
  JR NZ,DecimalNext
DecimalOver:
  JP SNError
DecimalEnd:
  EX DE,HL
  LD A,(HL)
  POP BC
  RET
