; The digits of a number: the ACC, as a double, is scaled to as many
; digits before the point as its type shows (sixteen for a double; for a
; single six in PRINT, seven in PRINT USING), rounded to a whole number and
; cut into decimal digits, which NumberToText or PRINT USING lays out.
;
; RAM: NUMTEXT (NUMTEXT+1 holds the type written, NUMTEXT+2 the digits of
; a single), SCRATCH (the value while it is written), DWORK.

; In: ACC a double, positive, not 0; NUMTEXT+1 = the type to write (8 or
; 4), NUMTEXT+2 = the digits of a single. Out: the type's digits at
; NUMTEXT+10 with a '0' before them, the type back in TYPEFLAG, DE after
; the digits, B = their number, C = the decimal exponent of the first
; digit, NZ. Keeps: nothing.
DoubleDigits:
  LD DE,SCRATCH
  CALL DStore
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
  POP BC                    ; B = the guess, kept on the stack
  PUSH BC
  CALL DigitCount
  DEC A
  SUB B
  CALL DScaleByTen
  CALL DRoundToWhole
  CALL DigitCount           ; one digit more than the type has, the last first
  LD C,A
  INC C
DoubleDigits_digit:
  LD IX,DWORK+7
  LD B,8
  XOR A
DoubleDigits_byte:          ; DWORK / 10, the remainder in A
  LD H,A
  LD L,(IX+0)
  OR L
  CALL NZ,DivideHL10        ; 0 stays 0, remainder 0
  LD (IX+0),L
  DEC IX
  DJNZ DoubleDigits_byte
  ADD A,'0'
  DEC DE
  LD (DE),A
  DEC C
  JR NZ,DoubleDigits_digit
  POP BC                    ; B = the guess
  LD A,(NUMTEXT+9)          ; the extra digit
  CP '0'
  LD A,B
  JR NZ,DoubleDigits_more   ; too large: one place more
  LD A,(NUMTEXT+10)
  CP '0'
  LD A,B
  JR NZ,DoubleDigits_done
  DEC A                     ; too small: one place less
  DEC A
DoubleDigits_more:
  INC A
  JR DoubleDigits_try
DoubleDigits_done:
  LD C,B
  LD A,(NUMTEXT+1)
  LD (TYPEFLAG),A
  CALL DigitCount
  LD B,A
  OR A
  RET

; In: NUMTEXT+1 = the type being written. Out: A = its digits (16, or
; NUMTEXT+2 for a single),
; DE = NUMTEXT+10 + A. Keeps: BC HL.
DigitCount:
  LD A,(NUMTEXT+1)
  CP 8
  LD A,16
  JR Z,DigitCount_end
  LD A,(NUMTEXT+2)
DigitCount_end:
  LD D,(NUMTEXT+10) / 256
  PUSH AF
  ADD A,(NUMTEXT+10) AND 0FFh
  LD E,A
  POP AF
  RET
