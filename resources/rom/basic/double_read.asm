; Reading double precision numbers.
;
; Reading: a number is a double when it has eight or more significant
; digits, a D exponent or a '#' after it (a '!' keeps it single); its digits
; then go into the double ACC one by one and the power of ten is applied
; in double precision (ReadUnsigned in num_text.asm).
;
; RAM: NUMSTART (where the number being read began), ARG.

; In: NUMSTART = the first character of a number.
; Out: carry when it is to be read as a double. Keeps: DE.
IsDoubleText:
  LD HL,(NUMSTART)
  LD BC,0                   ; B: a digit other than 0 seen; C: digits since
IsDoubleText_char:
  LD A,(HL)
  INC HL
  CP '.'
  JR Z,IsDoubleText_char
  CALL DigitValue           ; (keeps A at a non-digit)
  JR C,IsDoubleText_end
  OR B
  LD B,A
  JR Z,IsDoubleText_char    ; a leading zero
  INC C
  JR IsDoubleText_char
IsDoubleText_end:
  CALL UpperCase
  CP 'D'
  JR Z,IsDoubleText_yes
  CP '#'
  JR Z,IsDoubleText_yes
  CP '!'
  RET Z                     ; no carry
  LD A,C
  CP 8
  CCF
  RET
IsDoubleText_yes:
  SCF
  RET

; In: ACC double, A = a digit. Out: ACC = ACC * 10 + A. Keeps: nothing.
DTimesTenPlusA:
  PUSH AF
  CALL DTimesTen
  POP AF
  OR A
  RET Z
  LD HL,ARG                 ; the digit as a double in ARG
  LD B,6
DTimesTenPlusA_clear:
  LD (HL),0
  INC HL
  DJNZ DTimesTenPlusA_clear
  LD B,137
DTimesTenPlusA_top:
  DEC B
  ADD A,A
  JR NC,DTimesTenPlusA_top  ; the leading 1 goes out
  SRL A                     ; a positive sign
  LD (HL),A
  INC HL
  LD (HL),B
  JP DAdd
