; Single precision division (single.asm describes the format); it begins
; at its entry, 08A2h.
;
; RAM: FAC, FSIGN.

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
  JP Z,FZero
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
