; Single precision multiplication and division (single.asm describes the
; format).
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
FMul_zeroleft:              ; for FDiv too
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
; In: BCDE, ACC single. Out: ACC = BCDE / ACC; ?/0 when ACC is 0.
; Restoring division in registers: the remainder in A H L, the divisor in
; C D E; the quotient comes a byte at a time in B (FDiv_byte) and waits on
; the stack. Keeps: nothing.
FDiv:
  LD A,(FAC+3)
  OR A
  JP Z,DZError
  INC B
  DEC B
  JR Z,FMul_zeroleft
  CPL                       ; B - (FAC+3) + 129, + 128 for FSetExponent:
  ADD A,B                   ; B + (255 - (FAC+3)) + 2
  LD L,A
  LD A,0
  ADC A,A
  LD H,A
  INC HL
  INC HL
  CALL FSetExponent
  LD HL,(FAC)
  LD A,(FAC+2)
  LD B,A
  XOR 80h                   ; a divisor 2^n (X/2, X/4 ...) leaves the
  OR H                      ; dividend's mantissa exactly, the guard
  OR L                      ; byte L 0: halving costs no division
  JR Z,FDiv_done
  EX DE,HL
  LD A,C                    ; A H L: the remainder, from the dividend
  LD C,B                    ; C D E: the divisor
  LD B,1                    ; 26 quotient bits: the leading one, 24 more
  CALL FDiv_step            ; and one to round, as 8 + 8 + 8 + 2
  PUSH BC
  LD B,1
  CALL FDiv_shift
  PUSH BC
  LD B,1
  CALL FDiv_shift
  PUSH BC
  LD B,40h
  CALL FDiv_shift
  LD A,B                    ; the bits come inverted: put them right
  CPL
  RRCA
  RRCA
  AND 0C0h
  LD L,A
  POP BC
  LD A,B
  CPL
  LD E,A
  POP BC
  LD A,B
  CPL
  LD D,A
  POP BC
  LD A,B
  CPL
  LD C,A
FDiv_done:
  LD A,(FAC+3)
  LD B,A
  JP FNormRegs
; In: A H L remainder, C D E divisor, B a marker bit. Out: the quotient
; bits, inverted, shifted into B until the marker leaves it (carry set).
; Keeps: C DE.
FDiv_step:
  CP C                      ; the top byte alone below the divisor's: bit
  JR C,FDiv_bit             ; 0 (carry) without taking and putting back
  SBC HL,DE                 ; (no carry from the CP)
  SBC A,C
  JR NC,FDiv_bit            ; the divisor went in: bit 1 (no carry)
  ADD HL,DE                 ; it did not: put it back (carry: bit 0)
  ADC A,C
FDiv_bit:
  RL B
  RET C
FDiv_shift:
  ADD HL,HL
  ADC A,A
  JR NC,FDiv_step
  OR A                      ; the remainder passed 24 bits: then the
  SBC HL,DE                 ; divisor surely goes in
  SBC A,C
  OR A
  JR FDiv_bit

; A lower multiplier byte: In: B, A H L the product, C D E the
; multiplicand. Out: A H L = (A H L + B * C D E) / 256; the bits that leave
; L are dropped, as the next byte's pass would shift them out of the guard
; byte anyway. Keeps: C DE.
FMul_fast:
  INC B
  DEC B
  JR Z,FMul_zero
  SCF                       ; a marker bit on top ends the eight passes
  RR B
FMul_fastbit:               ; two bits a round: the marker leaves after
  JR NC,FMul_fastnoadd      ; an even number
  ADD HL,DE
  ADC A,C
FMul_fastnoadd:
  RRA
  RR H
  RR L
  SRL B
  JR NC,FMul_fastnoadd2
  ADD HL,DE
  ADC A,C
FMul_fastnoadd2:
  RRA
  RR H
  RR L
  SRL B
  JR NZ,FMul_fastbit
  RET
FMul_zero:                  ; eight zero bits: the product moves a byte
  LD L,H
  LD H,A
  XOR A
  RET
