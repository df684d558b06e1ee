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
  RES 7,(HL)
  RLA
  LD HL,FNeg                ; x below 0: the result is negated at the end
  JR NC,DAtn_reduce
  PUSH HL
DAtn_reduce:
  LD HL,(FAC+2)             ; L = the top byte, H = the exponent
  BIT 7,L
  JR NZ,DAtn_series         ; below 0 after a step
  LD DE,-7F54h              ; .414 = D413CC... * 2^-1: exponent and top byte
  ADD HL,DE
  JR NC,DAtn_series
  LD HL,DAtn_quarter        ; pi/4 is added when the series returns
  PUSH HL
  CALL MathSteps
  DEFB S_STORE+C_X, S_ADD+C_ONE, S_STORE+C_Z
  DEFB S_LOAD+C_X, S_ADD+C_M1, S_DIV+C_Z, 0
  JR DAtn_reduce
DAtn_series:
  CALL MathSteps
  DEFB S_STORE+C_X, S_CALL+C_TOARG, S_CALL+C_DMUL, S_CALL+C_NEG
  DEFB S_STORE+C_Z, S_SERIES+C_ODDS, S_MUL+C_X, 0
  RET                       ; through a DAtn_quarter for each fold, then FNeg
DAtn_quarter:
  LD A,S_ADD+C_QPI
  JP MathStep
