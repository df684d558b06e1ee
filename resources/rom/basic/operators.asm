; The binary operators on two values of any type (eval.asm reads them):
; the arithmetic in the common type, relations, AND and OR, and the
; precedence table.
;
; RAM: FAC, TYPEFLAG, LTYPE, ARG.

; In: BCDE = left operand (type in A and LTYPE; a double's lower half at
; ARG), ACC = right, L = operator (0 +, 1 -, 2 *, 3 /, 4 power, 5 AND,
; 6 OR, 8-15 relation mask). Out: ACC = the result. Keeps: nothing.
ApplyOperator:
  CP 3
  JP Z,StringOperator
  LD H,A
  LD A,(TYPEFLAG)
  OR H
  LD H,A                    ; the types ORed: 2 for two integers; odd
  AND 9                     ; with a string on the right (3)
  JR Z,ApplyOperator_notdouble
  RRCA
  JP C,TMError
  LD A,L
  SUB 5
  CP 2
  JP NC,ApplyOperator_double  ; all but AND and OR
ApplyOperator_notdouble:
  LD A,L
  CP 3                      ; + - *, the commonest, tested first
  JR C,ApplyOperator_arith
  CP 8
  JR NC,ApplyOperator_compare
  CP 5
  JR NC,ApplyOperator_logic
ApplyOperator_single:
  PUSH AF
  CALL BothSingle
  POP AF
  OR A
  JP Z,FAdd
  DEC A
  JP Z,FSub
  DEC A
  JP Z,FMul
  DEC A
  JP Z,FDiv
  JP PowerOperator
ApplyOperator_arith:
  BIT 2,H                   ; (H is kept for BothSingle)
  JR NZ,ApplyOperator_single
  LD HL,(FAC)               ; both integers: + - *
  OR A
  JP Z,IntAdd
  DEC A
  JP Z,IntSub
  JP IntMul
ApplyOperator_logic:
  PUSH AF
  CALL AccToInt             ; (keeps BC DE)
  PUSH HL                   ; the right one as an integer
  LD A,(LTYPE)
  CP 2
  JR Z,ApplyOperator_leftint
  CALL FLoadBCDE
  CALL AccToInt
  EX DE,HL
ApplyOperator_leftint:
  POP HL
  POP AF
  CP 5
  LD A,D
  JR NZ,ApplyOperator_or
  AND H
  LD H,A
  LD A,E
  AND L
  JR ApplyOperator_low
ApplyOperator_or:
  OR H
  LD H,A
  LD A,E
  OR L
ApplyOperator_low:
  LD L,A
  JR CompareResult_store
ApplyOperator_compare:
  PUSH AF
  LD A,H
  CP 2
  JR NZ,ApplyOperator_fcompare
  LD HL,(FAC)               ; DE ? HL, signed
  EX DE,HL
  OR A
  SBC HL,DE                 ; left - right
  LD A,0
  JR Z,ApplyOperator_result
  LD A,H
  JP PO,ApplyOperator_sign
  CPL                       ; overflow: the true sign is the other one
ApplyOperator_sign:
  RLA                       ; carry: left < right
  SBC A,A
  OR 1
  JR ApplyOperator_result
ApplyOperator_fcompare:
  CALL BothSingle
  CALL FCompare
ApplyOperator_result:       ; A = 1, 0, FFh: left >, =, < right
; In: A = comparison, mask on the stack. Out: ACC = -1 or 0.
CompareResult:
  CPL                       ; 1, 2, 3 rotations
  ADD A,3
  LD B,A
  POP AF                    ; the mask: 1 '>', 2 '=', 4 '<'
CompareResult_bit:          ; the comparison's bit to the carry
  RRCA
  DJNZ CompareResult_bit
  SBC A,A
  LD L,A
  LD H,A
CompareResult_store:
  JP StoreInt

OperatorPrecedence:
  DEFB 5,5,6,6,8,2,1,4,4,4  ; + - * / power AND OR > = <

; Either operand a double: the left one to the ACC, the right one to ARG,
; both doubles. A power is taken in single precision.
ApplyOperator_double:
  LD A,L
  PUSH AF                   ; the operator
  LD (ARG+4),DE
  LD (ARG+6),BC
  CALL AccToDouble          ; (which leaves ARG alone)
  CALL DSwap
  LD A,(LTYPE)
  LD (TYPEFLAG),A
  CALL AccToDouble
  POP AF                    ; A = the operator
  CP 8
  JR NC,ApplyOperator_dcompare
  OR A
  JP Z,DAdd
  DEC A
  JP Z,DSub
  DEC A
  JP Z,DMul
  DEC A
  JP Z,DDiv
  CALL DoubleToSingle
  CALL FGetBCDE
  PUSH BC
  PUSH DE
  CALL DArgToAcc
  CALL DoubleToSingle
  POP DE
  POP BC
  JP PowerOperator
ApplyOperator_dcompare:
  PUSH AF
  CALL DCompare
  JR CompareResult
