; Arctangent in double precision.
;
; RAM: MATHX, MATHZ, FAC.

; In: ACC double. Out: ACC = its arctangent, in (-pi/2, pi/2). For t =
; |x| from tan(pi/8) = .414 on, atn t = pi/4 + atn((t-1)/(t+1)), at most
; twice (the second time for t up to 1, or from 2.414 on); then atn t =
; t(1 - t^2/3 + t^4/5 ...). Keeps: -.
DAtn:
  LD HL,FAC+2
  LD A,(HL)
  PUSH AF                   ; the sign
  RES 7,(HL)
  LD B,0                    ; how many pi/4
DAtn_reduce:
  LD A,(FAC+2)
  OR A
  JP M,DAtn_series          ; below 0 after a step
  LD A,(FAC+3)
  CP 127
  JR C,DAtn_series          ; below .25
  JR NZ,DAtn_fold           ; .5 and more
  LD A,(FAC+2)
  CP 54h                    ; .414 = D413CC... * 2^-1
  JR C,DAtn_series
DAtn_fold:
  INC B
  PUSH BC
  CALL MathSteps
  DEFB S_STORE+C_X, S_ADD+C_ONE, S_STORE+C_Z
  DEFB S_LOAD+C_X, S_ADD+C_M1, S_DIV+C_Z, 0
  POP BC
  JR DAtn_reduce
DAtn_series:
  PUSH BC
  CALL MathSteps
  DEFB S_STORE+C_X, S_CALL+C_TOARG, S_CALL+C_DMUL, S_CALL+C_NEG
  DEFB S_STORE+C_Z, S_SERIES+C_ODDS, S_MUL+C_X, 0
  POP BC
  INC B
DAtn_quarter:
  DEC B
  JR Z,DAtn_sign
  PUSH BC
  LD A,S_ADD+C_QPI
  CALL MathStep
  POP BC
  JR DAtn_quarter
DAtn_sign:                  ; the result is above 0: the sign of x
  POP AF
  RLA
  RET NC
  JP FNeg
