; The shared steps of the mathematical functions. They work in double
; precision on single arguments, so that a result rounded back to single
; precision is within a unit of its last place.
;
; Most of their work is a chain of double operations on a few cells, so
; it is written as steps, one byte each, after a CALL MathSteps: the top
; three bits say what to do (S_...), the low five with what (C_...):
; a cell of the table MathCells, a routine or a series.
;
; RAM: the cells of MathCells: MATHX and MATHZ (math_core.asm), SCRATCH
; and DSAVE (free while a function runs); ARG.

S_CALL  EQU 00h             ; call the routine
S_STORE EQU 20h             ; the cell = ACC
S_ADD   EQU 40h             ; ACC = ACC + the cell (ARG = the cell first)
S_MUL   EQU 60h             ; ACC = ACC * the cell
S_DIV   EQU 80h             ; ACC = ACC / the cell
S_LOAD  EQU 0A0h            ; ACC = ARG = the cell
S_SERIES EQU 0C0h           ; ACC = the series at the cell, in MATHZ

; In: the steps after the CALL, ended by 0. Out: they are done, and the
; CALL returns after the 0. Keeps: -.
MathSteps:
  EX (SP),HL
MathSteps_next:
  LD A,(HL)
  INC HL
  OR A
  JR Z,MathSteps_end
  PUSH HL
  CALL MathStep
  POP HL
  JR MathSteps_next
MathSteps_end:
  EX (SP),HL
  RET

; In: A = a step. Out: it is done. Keeps: -.
MathStep:
  LD C,A
  AND 1Fh
  LD B,A                    ; the cell
  LD HL,MathCells
  CALL TableWord            ; DE = the cell
  LD A,C
  AND 0E0h
  JR NZ,MathStep_value
  EX DE,HL
  JP (HL)
MathStep_value:
  CP S_STORE
  JP Z,DStore
  EX DE,HL                  ; HL = the cell
  CP S_SERIES
  JP Z,DSeries
  RLCA
  RLCA
  RLCA
  PUSH HL
  LD HL,MathCells + 2 * (C_DADD - 2)
  CALL TableWord
  POP HL
  PUSH DE                   ; the operation, entered when ARG is loaded
  LD A,B
  CP C_ONE
  JP NC,ArgFromSingle
  JP DLoadArg
