; One operand of an expression: a variable, a number, a string literal, a
; function, a parenthesis or a unary operator (eval.asm reads the
; operators between them).
;
; RAM: VARTYPE, TYPEFLAG, FAC.

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
  JP CharFlags
Operand_token:              ; a keyword: out of the way of the variables
  CALL CheckStack           ; (unary operators and functions nest, as do
  LD A,(HL)                 ; parentheses and arrays: each nesting checks)
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
  CALL CheckStack
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
