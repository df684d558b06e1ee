; Sine and cosine in double precision.
;
; RAM: MATHX, MATHZ, FAC, ARG.

; In: ACC double. Out: ACC = its cosine, the sine of x + pi/2. Keeps: -.
DCos:
  CALL DAngle
  CALL MathSteps
  DEFB S_ADD+C_QPI, S_ADD+C_QPI, 0

; In: ACC double. Out: ACC = its sine. x - k 2pi with k whole is in
; [-pi, pi], and r beyond pi/2 (-pi/2) becomes pi - r (-pi - r); then
; sin r = r(1 - r^2/3! + r^4/5! ...). Keeps: -.
DSin:
  CALL DAngle
  CALL MathSteps
  DEFB S_STORE+C_X, S_MUL+C_INV2PI, S_ADD+C_HALF, S_CALL+C_INT
  DEFB S_MUL+C_EIGHT, S_MUL+C_QPI, S_CALL+C_NEG, S_ADD+C_X, 0 ; r
  LD HL,(FAC+2)             ; L = the top byte, H = the exponent
  RES 7,L
  LD DE,-8149h              ; pi/2 = 1.5708 = C90FDA... * 2^1: exponent and
  ADD HL,DE                 ; top byte of |r|
  JR NC,DSin_series
  CALL PiToArg
  DEC HL
  LD A,(FAC+2)
  AND 80h
  OR (HL)
  LD (HL),A                 ; pi with the sign of r
  CALL DSub
  CALL FNeg
DSin_series:
  CALL MathSteps
  DEFB S_STORE+C_X, S_CALL+C_TOARG, S_CALL+C_DMUL, S_STORE+C_Z
  DEFB S_SERIES+C_SINS, S_MUL+C_X, 0
  RET

; In: ACC double. Out: the ACC, or 0 from 2^50 on, where no digit of an
; angle is left below 2pi. Keeps: BC DE HL.
DAngle:
  LD A,(FAC+3)
  CP 128 + 51
  RET C
  JP DZero
