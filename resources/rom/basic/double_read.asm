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
  SCF
  RET Z
  CP '#'
  SCF
  RET Z
  CP '!'
  RET Z                     ; no carry
  LD A,7
  CP C                      ; carry from eight digits on
  RET

; In: ACC double, A = a digit. Out: ACC = ACC * 10 + A. Keeps: nothing.
DTimesTenPlusA:
  PUSH AF
  CALL DTimesTen
  CALL DAccToArg
  POP AF
  OR A
  RET Z
  LD L,A                    ; the digit as a double in the ACC
  LD H,0
  CALL IntToSingle
  CALL SingleToDouble
  JP DAdd
