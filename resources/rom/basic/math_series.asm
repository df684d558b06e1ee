; The sum of a series in z by Horner's rule over single coefficients (the
; tables are in math_data.asm).
;
; RAM: MATHZ (the variable), MATHZS (it as a single), ARG.

; In: HL = a table (the count, then the coefficients as singles, the
; highest power first), ACC = MATHZ = z (every series step follows the
; store of its z). Out: ACC = the sum of the terms at z,
; a double. All but the last three steps are taken in single precision:
; what they sum is below z^3 times the result in every series here, so
; their rounding stays far below a single's last place, at a tenth of the
; cost of a double's. Keeps: -.
DSeries:
  LD A,(HL)
  INC HL
  SUB 3
  PUSH AF                   ; the single steps
  PUSH HL
  CALL DoubleToSingle
  CALL FGetBCDE
  LD (MATHZS),DE
  LD (MATHZS+2),BC
  CALL FZero
  POP HL
  POP BC
DSeries_single:
  PUSH BC
  PUSH HL
  LD DE,(MATHZS)
  LD BC,(MATHZS+2)
  CALL FMul
  POP HL
  LD E,(HL)
  INC HL
  LD D,(HL)
  INC HL
  LD C,(HL)
  INC HL
  LD B,(HL)
  INC HL
  PUSH HL
  CALL FAdd
  POP HL
  POP BC
  DJNZ DSeries_single
  PUSH HL
  CALL SingleToDouble
  POP HL
  LD B,3
DSeries_term:
  PUSH BC
  PUSH HL
  LD A,S_MUL+C_Z
  CALL MathStep
  POP HL
  CALL ArgFromSingle
  PUSH HL
  CALL DAdd
  POP HL
  POP BC
  DJNZ DSeries_term
  RET
