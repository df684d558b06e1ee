; Square root and logarithm in double precision.
;
; RAM: MATHX, MATHZ, FAC.

; In: ACC double. Out: ACC = its square root, e^(log x / 2); ?FC for a
; negative number. Keeps: -.
DSqr:
  LD A,(FAC+3)
  OR A
  RET Z
  CALL MathSteps
  DEFB S_CALL+C_LOG, S_MUL+C_HALF, S_CALL+C_EXP, 0
  RET

; In: ACC double. Out: ACC = its natural logarithm; ?FC unless it is
; above 0. Keeps: -.
DLogChecked:
  LD HL,(FAC+2)             ; H = the exponent, L = the sign's byte
  LD A,H
  CP 1
  SBC A,A                   ; 0FFh for 0
  OR L
  JP M,FCError

; In: ACC double, above 0. Out: ACC = its natural logarithm. x = m * 2^n
; with m in [.707, 1.414); log m = 2s(1 + s^2/3 + s^4/5 ...), s =
; (m-1)/(m+1), so |s| < .172. Keeps: -.
DLog:
  LD HL,FAC+3
  LD A,(HL)
  LD (HL),128               ; m in [.5, 1)
  SUB 128
  LD E,A                    ; DE = n
  RLA
  SBC A,A
  LD D,A
  LD A,(FAC+2)
  CP 35h                    ; m below .707: 2m, n - 1
  JR NC,DLog_m
  INC (HL)
  DEC DE
DLog_m:
  PUSH DE
  CALL MathSteps
  DEFB S_STORE+C_X, S_ADD+C_ONE, S_STORE+C_Z          ; m + 1
  DEFB S_LOAD+C_X, S_ADD+C_M1, S_DIV+C_Z, S_STORE+C_X ; s
  DEFB S_CALL+C_TOARG, S_CALL+C_DMUL, S_STORE+C_Z     ; s^2
  DEFB S_SERIES+C_ODDS, S_MUL+C_X, S_STORE+C_X
  DEFB S_ADD+C_X, S_STORE+C_X, 0                      ; log m
  POP HL
  CALL IntToSingle
  CALL SingleToDouble
  CALL MathSteps
  DEFB S_MUL+C_LN2, S_ADD+C_X, 0
  RET
