; The power operator (the up arrow, typed as ^): e^(y log |x|) in double
; precision, rounded once to a single, so that whole powers come out
; exact where the single can hold them.
;
; RAM: SCRATCH (y), FAC.

; In: BCDE = x, ACC = y (singles). Out: ACC = x to the power y, a single.
; 0 to the power 0 is 1, to a negative power ?/0; a negative x needs a
; whole y (else ?FC) and gives a negative result for an odd one.
; Keeps: -.
PowerOperator:
  PUSH BC
  PUSH DE
  CALL SingleToDouble
  CALL MathSteps
  DEFB S_STORE+C_S, S_CALL+C_TOARG, S_CALL+C_FIX, 0
  CALL DCompare
  LD A,1                    ; 1: y has a fraction
  JR NZ,PowerOperator_x
  CALL MathSteps
  DEFB S_LOAD+C_S, S_MUL+C_HALF, S_CALL+C_TOARG, S_CALL+C_FIX, 0
  CALL DCompare
  LD A,0                    ; 0: y is even
  JR Z,PowerOperator_x
  LD A,80h                  ; 80h: y is odd
PowerOperator_x:
  POP DE
  POP BC
  PUSH AF
  CALL FLoadBCDE
  CALL SingleToDouble
  POP BC                    ; B = what y is
  LD A,(FAC+3)
  OR A
  JR Z,PowerOperator_zero
  LD HL,FAC+2
  BIT 7,(HL)
  RES 7,(HL)
  LD C,0
  JR Z,PowerOperator_log
  DJNZ PowerOperator_whole
  JP FCError                ; a negative number to a broken power
PowerOperator_whole:
  INC B
  LD C,B
PowerOperator_log:
  PUSH BC
  CALL MathSteps
  DEFB S_CALL+C_LOG, S_MUL+C_S, S_CALL+C_EXP, 0
  POP BC
  LD HL,FAC+2
  LD A,(HL)
  OR C
  LD (HL),A
  JP DoubleToSingle
PowerOperator_zero:         ; 0 to the power y
  LD A,(SCRATCH+7)
  OR A
  JR Z,PowerOperator_one
  LD A,(SCRATCH+6)
  OR A
  JP M,DZError
  JP FZero
PowerOperator_one:
  LD HL,1
  JP IntToSingle
