; The power operator (the up arrow, typed as ^): e^(y log |x|) in double
; precision, or for a whole y from 1 to 255 a chain of double products,
; rounded once to a single, so that whole powers come out exact where the
; single can hold them.
;
; RAM: SCRATCH (y), MATHX and MATHZ (the products), FAC.

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
  JR NZ,PowerOperator_x     ; A = 1 or FFh (bit 0): y has a fraction
  LD HL,(FAC)               ; y is whole: its unit bit is the last of its
  LD A,(FAC+3)              ; exponent - 128 whole bits to leave the
  SUB 128                   ; mantissa A H L on top, far cheaper than
  LD B,A                    ; halving and truncating y (0 has exponent 0:
  LD A,(FAC+2)              ; 128 rounds, all bits 0; from 2^24 up the
  OR 80h                    ; unit bit lies below the mantissa: 0 too)
PowerOperator_unit:
  ADD HL,HL
  RLA
  DJNZ PowerOperator_unit
  SBC A,A
  AND 80h                   ; 80h: y is odd, 0: even
PowerOperator_x:
  POP DE
  POP BC
  PUSH AF
  CALL FLoadBCDE
  CALL SingleToDouble
  POP BC                    ; B = what y is: 0, 80h or bit 0
  LD HL,FAC+3
  LD A,(HL)
  OR A
  JR Z,PowerOperator_zero
  DEC HL
  LD A,(HL)
  RES 7,(HL)
  RLA
  SBC A,A
  AND B                     ; C = the result's sign: x < 0 and y odd
  LD C,A
  RRA
  JP C,FCError              ; a negative number to a broken power
  PUSH BC
  BIT 0,B                   ; a whole y from 1 to 255 by multiplying, which
  JR NZ,PowerOperator_log   ; is many times faster than LOG and EXP, and
  LD HL,(SCRATCH+6)         ; exact while the double holds the product
  BIT 7,L
  JR NZ,PowerOperator_log
  LD A,H
  SUB 81h
  CP 8
  JR NC,PowerOperator_log
  LD B,A                    ; B: y's bits below its top one, C: those bits
  INC B                     ; from bit 7 down
  LD A,L
  ADD A,A
  LD C,A
  PUSH BC
  CALL MathSteps
  DEFB S_STORE+C_X, 0
PowerOperator_bit:          ; left to right: square, then times x for a 1
  POP BC
  DJNZ PowerOperator_square
  JR PowerOperator_sign
PowerOperator_square:
  PUSH BC
  CALL MathSteps
  DEFB S_STORE+C_Z, S_MUL+C_Z, 0
  POP BC
  SLA C
  PUSH BC
  JR NC,PowerOperator_bit
  CALL MathSteps
  DEFB S_MUL+C_X, 0
  JR PowerOperator_bit
PowerOperator_log:
  CALL MathSteps
  DEFB S_CALL+C_LOG, S_MUL+C_S, S_CALL+C_EXP, 0
PowerOperator_sign:
  POP BC
  LD HL,FAC+2
  LD A,(HL)
  OR C
  LD (HL),A
  JP DoubleToSingle
PowerOperator_zero:         ; 0 to the power y
  LD HL,(SCRATCH+6)         ; H = y's exponent, L its sign's byte
  LD A,H
  OR A
  JR Z,PowerOperator_one
  BIT 7,L
  JP NZ,DZError
  JP FZero
PowerOperator_one:
  LD HL,1
  JP IntToSingle
