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

; In: ACC a positive double. Out: DWORK = the ACC rounded to a whole
; number, eight bytes (all ones when it does not fit). Keeps: -.
DRoundToWhole:
  LD HL,DWORK
  LD B,8
DRoundToWhole_ones:
  LD (HL),0FFh
  INC HL
  DJNZ DRoundToWhole_ones
  LD A,(FAC+3)
  LD B,A
  LD A,184
  SUB B                     ; places below the point
  RET C
  LD HL,FAC+2
  SET 7,(HL)
  LD HL,DFAC
  LD DE,DWORK
  LD BC,7
  LDIR
  EX DE,HL
  LD (HL),B                 ; B = 0 after the LDIR
  OR A
  RET Z
  LD C,A
DRoundToWhole_shift:
  LD HL,DWORK+7
  OR A
  CALL DShiftRight
  DEC C
  JR NZ,DRoundToWhole_shift
  LD HL,DWORK               ; add the last bit shifted out
  LD B,8
DRoundToWhole_carry:
  LD A,(HL)
  ADC A,0
  LD (HL),A
  INC HL
  DJNZ DRoundToWhole_carry
  RET
