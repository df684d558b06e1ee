; Writing double precision numbers: the ACC is scaled to sixteen digits
; before the point, rounded to a whole number and cut into decimal digits,
; which NumberToText lays out as it does a single's six.
;
; RAM: NUMTEXT, SCRATCH (the value while it is written), DWORK.

; In: ACC a double, positive, not 0. Out: sixteen digits at NUMTEXT+10,
; on to NumberToText_trim with DE after them, B = 16 and, on the stack,
; C = the decimal exponent of the first digit. Keeps: nothing.
DoubleDigits:
  LD HL,DFAC
  LD DE,SCRATCH
  CALL DCopy
  LD A,(FAC+3)              ; a first guess: (exponent - 129) * 77 / 256
  SUB 129
  LD L,A
  SBC A,A
  LD H,A
  LD D,H
  LD E,L
  ADD HL,HL
  ADD HL,HL
  ADD HL,HL
  ADD HL,DE
  ADD HL,HL
  ADD HL,DE
  ADD HL,HL
  ADD HL,HL
  ADD HL,DE
  LD A,H
DoubleDigits_try:           ; A = the guess
  PUSH AF
  LD HL,SCRATCH
  CALL DLoadAcc
  POP AF
  PUSH AF
  NEG
  ADD A,15
  CALL DScaleByTen
  CALL DRoundToWhole
  LD DE,NUMTEXT+25          ; seventeen digits, the last one first
  LD C,17
DoubleDigits_digit:
  LD IX,DWORK+7
  LD B,8
  XOR A
DoubleDigits_byte:          ; DWORK / 10, the remainder in A
  LD H,A
  LD L,(IX+0)
  CALL DivideHL10
  LD (IX+0),L
  DEC IX
  DJNZ DoubleDigits_byte
  ADD A,'0'
  LD (DE),A
  DEC DE
  DEC C
  JR NZ,DoubleDigits_digit
  POP AF
  LD B,A
  LD A,(NUMTEXT+9)          ; the seventeenth digit
  CP '0'
  LD A,B
  JR Z,DoubleDigits_sixteen
  INC A                     ; too large: one place more
  JR DoubleDigits_try
DoubleDigits_sixteen:
  LD A,(NUMTEXT+10)
  CP '0'
  LD A,B
  JR NZ,DoubleDigits_done
  DEC A                     ; too small: one place less
  JR DoubleDigits_try
DoubleDigits_done:
  LD C,B
  LD B,16
  PUSH BC
  LD DE,NUMTEXT+26
  JP NumberToText_trim
