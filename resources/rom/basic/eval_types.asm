; The types of an expression's values: both operands as singles, the
; numeric checks, the ACC as an integer, a byte or an address, and the
; '(' before a function's arguments.
;
; RAM: FAC, TYPEFLAG.

; Left (BCDE) and right (ACC) both as singles. In: H = their types ORed:
; 4 both singles, 6 one an integer, 2 both. Keeps: nothing.
BothSingle:
  BIT 1,H
  RET Z
  LD A,(TYPEFLAG)
  CP 2
  JR NZ,BothSingle_left     ; a single on the right: the left is the integer
  BIT 2,H
  LD HL,(FAC)
  JP NZ,IntToSingleKeep     ; and an integer on the right, a single left
  CALL IntToSingleKeep
BothSingle_left:
  EX DE,HL
  CALL IntOverAcc           ; BCDE = the right one, the ACC the left
  JP FSwap

; ?TM unless the ACC holds a number. Keeps: all but A.
NumericAcc:
  LD A,(TYPEFLAG)
  CP 3
  RET NZ
NumericAcc_tm:
  JP TMError

; The ACC as an integer (CINT: the largest whole number not above it).
; In: ACC. Out: HL; ?OV outside -32768..32767. Keeps: BC DE.
; AccToInt_number, for an array's subscript, which needs only HL: In: A =
; TYPEFLAG, not 2. Out: HL as AccToInt, the ACC not made an integer.
AccToInt:
  LD A,(TYPEFLAG)
  CP 2
  JR Z,AccToInt_int
  LD HL,StoreInt            ; the result returns through it
  PUSH HL
AccToInt_number:
  CP 4                      ; a positive single, the commonest: its floor
  JR NZ,AccToInt_other      ; is the truncation, and SingleToInt keeps
  LD A,(FAC+2)              ; BC DE
  RLA
  JR NC,AccToInt_whole
AccToInt_other:             ; a negative single, a double or a string (?TM)
  PUSH BC
  PUSH DE
  CALL AccToDouble
  CALL DInt                 ; whole first, so that rounding cannot carry
  CALL DoubleToSingle
  POP DE
  POP BC
AccToInt_whole:
  CALL SingleToInt
  RET NC
  JP OVError
AccToInt_int:
  LD HL,(FAC)
  RET

; An expression that must be 0..255. Out: A = it, HL and flags as Eval.
EvalByte:
  CALL Eval
  PUSH HL
  PUSH AF                   ; Eval's flags
  CALL AccToByte
  POP AF
  LD A,L
  POP HL
  RET

; The ACC as a byte. In: ACC. Out: A = L = it; ?FC outside 0..255.
; Keeps: BC DE.
AccToByte:
  CALL AccToInt
  LD A,H
  OR A
  JP NZ,FCError
  LD A,L
  RET

; An expression as a 16-bit integer, -32768..65535 (an address).
; Out: DE = it, HL at the next character, A = it.
EvalAddress:
  CALL Eval
  PUSH HL
  LD A,(TYPEFLAG)
  CP 4
  JR C,EvalAddress_int      ; an integer (a string: ?TM there)
  CALL NZ,AccToSingle       ; a double: a whole address is exact as a single
  LD A,(FAC+3)              ; 32768..65535 as singles: 2^15 up to
  CP 144                    ; below 2^16
  JR NZ,EvalAddress_int
  LD HL,(FAC+1)
  BIT 7,H                   ; (the sign)
  SET 7,H
  JR Z,EvalAddress_done
EvalAddress_int:
  CALL AccToInt
EvalAddress_done:
  EX DE,HL
  POP HL
  LD A,(HL)
  RET

; '(' after a function's name (blanks allowed). Out: HL at the first
; non-blank character after it, A = it. Keeps: BC DE.
OpenParen:
  DEC HL
  RST 10h
  RST 08h
  DEFB '('
  RET
