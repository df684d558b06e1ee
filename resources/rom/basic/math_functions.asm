; SQR, LOG, EXP, COS, SIN, TAN and ATN. They compute in single precision,
; as the machine's BASIC documents: the argument is rounded to a single,
; the double routine works on it exactly, and its result is rounded back
; to a single.
;
; RAM: FAC, TYPEFLAG.

; In: HL after the token, C = the token's place in the function table
; (as the dispatch in Operand leaves it). Out: as every function.
MathFunction:
  PUSH BC
  CALL NumericArgument
  EX (SP),HL                ; the text pointer waits for ReturnSaved
  PUSH HL
  CALL AccToSingle
  POP BC
  LD A,C
  ADD A,C_SQR - (0DDh - 0D7h)   ; the table starts at SGN (D7h)
  LD HL,MathCells
  CALL TableWord
  CALL FByDouble
  JP ReturnSaved
