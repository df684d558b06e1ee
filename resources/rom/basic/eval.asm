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
