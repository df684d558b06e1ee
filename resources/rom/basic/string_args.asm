; The arguments of LEFT$, RIGHT$ and MID$: a string and one or two
; numbers in parentheses.
;
; RAM: none of its own.

; '(' string ',' n ')' for LEFT$ and RIGHT$: Out: DE = the descriptor,
; A = the string's length, C = n but not above it, HL after ')'.
StringAndCount:
  CALL StringAndByte
  LD A,(DE)
  CP C
  RET NC
  LD C,A
  RET

; '(' string ',' byte ')': Out: DE = the descriptor, C = the byte, HL
; after ')'.
StringAndByte:
  CALL StringAndOffset
  LD C,A
  RST 08h
  DEFB ')'
  RET

; '(' string ',' byte: Out: DE = the descriptor, A = the byte, HL at the
; next non-blank character. Keeps: -.
StringAndOffset:
  CALL OpenParen
  CALL Eval
  RST 20h
  JP NZ,TMError
  LD DE,(FAC)
  PUSH DE
  RST 08h
  DEFB ','
  CALL EvalByte
  POP DE
  RET
