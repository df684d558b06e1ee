; The exponential in double precision.
;
; RAM: MATHX, MATHZ, FAC.

; In: ACC double. Out: ACC = e to its power; ?OV when that is too large,
; 0 when too small. x = n ln 2 + r with n whole and |r| <= .347, so e^x =
; 2^n e^r, e^r by its series. Keeps: -.
DExp:
  LD A,(FAC+3)
  CP 137
  JR C,DExp_near            ; |x| below 256
  LD A,(FAC+2)
  OR A
  JP P,OVError
  JP DZero
DExp_near:
  CALL MathSteps
  DEFB S_STORE+C_X, S_MUL+C_INVLN2, S_ADD+C_HALF, S_CALL+C_INT, 0
  CALL DoubleToSingle
  CALL SingleToInt          ; HL = n, |n| < 370
  PUSH HL
  CALL IntToSingle
  CALL SingleToDouble
  CALL MathSteps
  DEFB S_MUL+C_LN2, S_CALL+C_NEG, S_ADD+C_X, S_STORE+C_Z ; r
  DEFB S_SERIES+C_EXPS, 0
  POP HL                    ; e^r is in [.7, 1.42]: add n to its exponent
  LD A,(FAC+3)
  LD E,A
  LD D,0
  ADD HL,DE
  LD A,H
  OR A
  JP M,DZero
  JP NZ,OVError
  OR L
  JP Z,DZero
  LD (FAC+3),A
  RET
