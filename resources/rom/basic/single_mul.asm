; Single precision multiplication (single.asm describes the format); it
; begins at its entry, 0847h.
;
; RAM: FAC, FSIGN; FMul uses AF' and B'.

; In: BCDE, ACC single. Out: ACC = BCDE * ACC. Keeps: IX (uses AF' and
; B'). Shift and add, the multiplier (the ACC) low byte first: the product
; lives in A H L, so that one ADD HL,DE and an ADC add the multiplicand
; C D E; the top byte's pass shifts the guard byte into B as its own
; multiplier bits leave it.
FMul:
  LD A,B
  OR A
  JP Z,FZero
  LD A,(FAC+3)
  OR A
  RET Z
  ADD A,B                   ; the exponents' sum is the product's + 128
  LD L,A
  LD A,0
  ADC A,A
  LD H,A
  CALL FSetExponent
  LD HL,(FAC)               ; the two lower bytes both 0 (a whole number
  LD A,H                    ; such as 3, a power of two) leave the
  OR L                      ; product A H L at 0: on to the top byte
  JR Z,FMul_top
  LD A,H                    ; (the middle byte waits in A')
  EX AF,AF'
  LD B,L
  XOR A                     ; A H L: the product
  LD H,A
  LD L,A
  CALL FMul_fast
  EX AF,AF'                 ; (now the product's top byte waits there)
  LD B,A
  EX AF,AF'
  CALL FMul_fast
FMul_top:
  EX AF,AF'
  LD A,(FAC+2)              ; the top byte (its leading 1 is set)
  LD B,A
  EX AF,AF'
  RR B                      ; carry: its low bit
  EXX
  LD B,4                    ; B' counts pairs: all eight bits of B become
FMul_bit:                   ; the guard byte
  EXX
  JR NC,FMul_noadd
  ADD HL,DE
  ADC A,C
FMul_noadd:
  RRA                       ; the sum's carry comes in on top
  RR H
  RR L
  RR B                      ; the bit that leaves L in, the next bit out
  JR NC,FMul_noadd2
  ADD HL,DE
  ADC A,C
FMul_noadd2:
  RRA
  RR H
  RR L
  RR B
  EXX
  DJNZ FMul_bit
  EXX
  LD C,A
  LD D,H
  LD E,L
  LD L,B
  LD A,(FAC+3)
  LD B,A
  JP FNormRegs
