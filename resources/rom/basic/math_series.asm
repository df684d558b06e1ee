; The sum of a series in z by Horner's rule, in double precision over
; single coefficients (the tables are in math_data.asm).
;
; RAM: MATHZ (the variable), ARG.

; In: HL = a table (the count, then the coefficients as singles, the
; highest power first), MATHZ = z. Out: ACC = the sum of the terms at z.
; Keeps: -.
DSeries:
  CALL DZero
  LD B,(HL)
  INC HL
DSeries_term:
  PUSH BC
  PUSH HL
  LD HL,MATHZ
  CALL DLoadArg
  CALL DMul
  POP HL
  CALL ArgFromSingle
  PUSH HL
  CALL DAdd
  POP HL
  POP BC
  DJNZ DSeries_term
  RET
