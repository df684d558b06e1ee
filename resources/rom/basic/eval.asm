; Expressions: operands, operators by precedence, type conversion between
; the operands, relations (-1 true, 0 false), NOT/AND/OR on 16-bit
; integers.
;
; Precedence, lowest first: OR 1, AND 2, NOT 3, relations 4, + - 5,
; * / 6, unary minus 7, the power arrow 8. A left operand waits on the
; stack (its type, value and the operator) while the right one is read.
; Strings: the ACC holds the address of a descriptor (length, address).
; When either operand is a double, both become doubles (double_core.asm).
;
; RAM: FAC, DFAC, ARG (a double left operand's low half), TYPEFLAG, LTYPE.

; A relation after an operand: its characters ('<', '=', '>', blanks
; between) as a mask in C. Out of EvalPrec's loop, whose JRs must reach.
EvalPrec_relations:
  LD C,8                    ; relations: 8 + (1 >, 2 =, 4 <)
EvalPrec_relation:
  LD A,(HL)
  SUB 0D4h
  JR C,EvalPrec_relblank
  CP 3
  JR NC,EvalPrec_push
  INC A                     ; 1, 2, 3
  CP 3
  SBC A,0FFh                ; + 1 - carry: 1, 2, 4
  OR C
  LD C,A
EvalPrec_relnext:
  INC HL
  JR EvalPrec_relation
EvalPrec_relblank:          ; blanks between them are passed here, not by
  CP ' ' + 100h - 0D4h      ; a call of SkipBlanks after each character
  JR Z,EvalPrec_relnext
  JR EvalPrec_push

; In: HL at the expression (blanks allowed). Out: ACC, TYPEFLAG; HL at the
; first non-blank character after it, A = it, flags as NextChar.
; Keeps: nothing.
Eval:
  XOR A                     ; (no carry: the flags are wanted at the end)
  LD D,A
; The same, taking only operators above precedence D. With carry (an
; operator's right side) only the ACC and HL are set at the end.
EvalPrec:
  LD A,D
  PUSH AF
  CALL Operand
EvalPrec_loop:              ; HL at the character after an operand
  SUB 0CDh
  JR C,EvalPrec_done
  CP 10
  JR NC,EvalPrec_done
  LD C,A                    ; operator 0..9
  ADD A,LOW OperatorPrecedence  ; DE = its entry, added in A (DE, not
  LD E,A                    ; HL: the text pointer stays put)
  ADC A,HIGH OperatorPrecedence
  SUB E
  LD D,A
  LD A,(DE)
  LD B,A
  POP AF
  PUSH AF
  CP B
  JR NC,EvalPrec_done       ; binds less than the caller's operator
  LD A,C
  CP 7
  JR NC,EvalPrec_relations
  INC HL
EvalPrec_push:
  PUSH BC                   ; precedence and operator
  EX DE,HL                  ; the text waits in DE: HL moves the ACC
  LD A,(TYPEFLAG)           ; (shorter and faster than DE)
  CP 8
  JR NZ,EvalPrec_upper
  LD HL,(DFAC+2)            ; a double's lower half waits first
  PUSH HL
  LD HL,(DFAC)
  PUSH HL
EvalPrec_upper:
  LD HL,(FAC+2)
  PUSH HL
  LD HL,(FAC)
  PUSH HL
  PUSH AF                   ; A = the type still
                            ; CheckStack's test, here without the call
  LD HL,-69                 ; and without saving HL: ?OM unless the
  ADD HL,SP                 ; arrays end below SP - 69 (its 65 from
  LD A,(STREND)             ; inside the call, and the 4 bytes of its
  SUB L                     ; return address and HL)
  LD A,(STREND+1)
  SBC A,H
  EX DE,HL
  JP NC,OMError
  LD D,B                    ; (the carry set)
  CALL EvalPrec
  POP AF
  LD (LTYPE),A
  POP DE
  POP BC                    ; BCDE = the left operand
  CP 8
  JR NZ,EvalPrec_apply
  EX (SP),HL                ; and a double's lower half to ARG
  LD (ARG),HL
  POP HL
  EX (SP),HL
  LD (ARG+2),HL
  POP HL
EvalPrec_apply:
  EX (SP),HL                ; L = the operator, A = the left type still
  CALL ApplyOperator
  POP HL
  LD A,(HL)
  JR EvalPrec_loop
EvalPrec_done:
  POP AF
  RET C
; In: HL at the character after an operand or a number. Out: HL
; at the first non-blank character from there, A = it, flags as NextChar.
; Keeps: BC DE.
CharFlags:
  LD A,(HL)                 ; a keyword, ':' or the end of the line after
  CP ':'                    ; an operand is settled here without NextChar:
  RET NC                    ; NC, Z for ':' only, as NextChar
  OR A
  RET Z                     ; 00: Z, NC
  CP ' '                    ; ')' ',' ';' and the like: NC, NZ; a digit
  JR Z,CharFlags_next       ; C (not '0', for which NextChar's NZ is
  CP '0'                    ; wanted)
  CCF
  RET NZ
CharFlags_next:             ; blanks, '0': NextChar from HL on
  DEC HL
  JP NextChar

; Blanks, a digit, '.', '"', '(' or the end at the operand: NextChar
; passes the blanks; a letter or keyword after them goes round once more.
Operand_scan:
  DEC HL
  CALL NextChar
  JP Z,MOError
  JR C,Operand_digit        ; (a lone digit after blanks, as in TO 5)
  CP 'A'
  JR C,Operand_other
; One operand: HL at it or at blanks before it. Out: ACC; HL at the next
; non-blank character, A = it. Keeps: nothing.
Operand:
  LD A,(HL)                 ; a letter or a keyword right here, the
  CP 'A'                    ; commonest case, needs no NextChar (it is
  JR C,Operand_digit        ; neither a blank nor a digit)
  CP 80h                    ; a variable's letter, the commonest operand,
  JR NC,Operand_token       ; is told apart with two tests
Operand_variable:
  CALL GetVar               ; ?SN there for anything but a letter
  PUSH HL
; The value of the variable at DE (type in VARTYPE) into the ACC: here,
; not called, as it is done for every variable in an expression.
  LD A,(VARTYPE)
  LD (TYPEFLAG),A           ; (DLoadAcc sets a double's again)
  EX DE,HL                  ; a block copy to FAC: shorter and faster
  LD DE,FAC                 ; than through DE
  CP 4                      ; a single, the commonest, is tested first
  JR NZ,Operand_notsingle
  LDI
  LDI
Operand_int:
  LDI
  LDI
Operand_loaded:
  POP HL
  LD A,(HL)
  RET
Operand_notsingle:
  CP 2
  JR Z,Operand_int
  CP 3
  JR Z,Operand_string
  CALL DLoadAcc             ; HL = the double's address
  JR Operand_loaded
Operand_string:
  LD (FAC),HL               ; the descriptor's address
  JR Operand_loaded
Operand_digit:              ; a digit right here needs no NextChar either
  SUB '0'
  CP 10
  JR NC,Operand_scan
  LD E,A
  INC HL                    ; one digit before the end of the line or a
  LD A,(HL)                 ; keyword (00, 80h..FFh: 0FFh, 7Fh..FEh
  DEC A                     ; here), the commonest constant, is settled
  CP 7Fh                    ; without reading it as a number
  JR NC,Operand_one
  DEC HL
Operand_number:
  CALL ReadDigits
  JR CharFlags
Operand_token:              ; a keyword: out of the way of the variables
  CP 0CEh
  JR Z,Operand_minus
  CP 0CDh
  JR Z,Operand_plus
  CP 0CBh
  JR Z,Operand_not
  CP 0BCh
  JR NC,Operand_function
Operand_other:              ; (other tokens match none of these: ?SN)
  CP '.'
  JR Z,Operand_number
  CP '"'
  JP Z,StringLiteral
  CP '('
  JR Z,Operand_paren
  JR Operand_variable
Operand_plus:
  INC HL
  JR Operand
Operand_one:                ; E = the digit, HL at the character after it
  LD D,0
  LD (FAC),DE
  LD A,2
  LD (TYPEFLAG),A
  LD A,(HL)
  RET
Operand_minus:
  INC HL
  LD D,7
  CALL EvalPrec
  PUSH HL
  CALL NumericAcc
  CALL NegateAcc
  JR Operand_loaded
Operand_not:
  INC HL
  LD D,3
  CALL EvalPrec
  PUSH HL
  CALL AccToInt
  LD A,H
  CPL
  LD H,A
  LD A,L
  CPL
  LD L,A
  JP ReturnInt

; '(' expression ')' after a function's name. Out: ACC, HL after ')'.
; Keeps: nothing.
ParenArgument:
  CALL OpenParen
  DEC HL                    ; an operand in parentheses from here on
Operand_paren:
  INC HL
  CALL Eval
  RST 08h
  DEFB ')'
  RET
Operand_function:          ; A = a token from BCh on
  SUB 0D7h                  ; SGN .. MID$: entries 0-35
  CP 36
  JR C,Operand_table
  ADD A,0D7h - 0BEh         ; FN .. INKEY$: 0-11; TAB(, TO, THEN .. '<'
  CP 12                     ; and the tokens after MID$ are no functions
  JR NC,Operand_other       ; (?SN: A is none of the characters there)
  ADD A,36                  ; entries 36-47
Operand_table:
  LD C,A                    ; the place, for MathFunction
  INC HL
  PUSH HL
  LD HL,FunctionTable
  CALL TableWord
  EX DE,HL
  EX (SP),HL
  RET                       ; to the function, HL after its token

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
