; Single precision arithmetic on the number accumulator.
;
; A single is four bytes: mantissa low, middle, top (bit 7 the sign, standing
; in for the leading 1), then the exponent + 128; zero has exponent 0. In
; registers the same value is E, D, C, B (BCDE). While a routine works, the
; mantissa has its leading 1 set, eight more bits below it (FACGUARD, or L
; at FNormRegs) and its sign in FSIGN; FNorm rounds on those eight bits
; (half up) and packs. FAdd, FMul and FDiv keep their result in registers
; and go in at FNormRegs. FSub and FAdd are in single_add.asm.
;
; RAM: FAC (4121h-4124h), FACGUARD, FSIGN; FMul uses AF' and B'.
;
; Label rule for all interpreter files: a routine's internal labels are its
; name, an underscore and a lower-case word (FAdd_sub).

; In: ACC single. Out: BCDE = ACC. Keeps: HL.
FGetBCDE:
  LD DE,(FAC)
  LD BC,(FAC+2)
  RET

; In: ACC, BCDE. Out: they are exchanged. Keeps: A (HL is used).
FSwap:
  LD HL,(FAC)
  EX DE,HL
  LD (FAC),HL
  LD HL,(FAC+2)
  LD (FAC+2),BC
  LD B,H
  LD C,L
  RET

; In: ACC single. Out: ACC = -ACC. Keeps: BC DE HL.
FNeg:
  LD A,(FAC+3)
  OR A
  RET Z
  LD A,(FAC+2)
  XOR 80h
  LD (FAC+2),A
  RET

; In: ACC mantissa unpacked (FACGUARD..FAC+2, leading bit anywhere),
; exponent at FAC+3, sign in FSIGN. Out: ACC normalised, rounded, packed,
; type single; ?OV when too large, 0 when too small. Keeps: nothing.
FNorm:
  LD DE,(FAC)
  LD BC,(FAC+2)             ; C the top byte, B the exponent
  LD A,(FACGUARD)
  LD L,A
; The same with the mantissa in registers, so that FAdd, FMul and FDiv
; need not store it first: In: C D E L (L the guard byte, leading bit
; anywhere), B the exponent, FSIGN the sign. Out: as FNorm. Keeps: nothing.
FNormRegs:
  BIT 7,C
  JR NZ,FNorm_top
  LD A,C
  OR A
  JR NZ,FNorm_shift
  OR D                      ; C is 0: a byte at a time, unless all is 0
  OR E
  OR L
  JR Z,FZero
FNorm_byte:
  LD A,B
  SUB 8
  JR C,FZero
  JR Z,FZero
  LD B,A
  LD C,D
  LD D,E
  LD E,L
  LD L,0
  LD A,C
  OR A
  JR Z,FNorm_byte
  JP M,FNorm_round          ; (the exponent is above 0 here)
FNorm_shift:
  DEC B
  JR Z,FZero
  SLA L
  RL E
  RL D
  RL C
  JP P,FNorm_shift
  JR FNorm_round
FNorm_top:                  ; exponent 0 here stands for 256 (FSetExponent)
  INC B
  DEC B
FNorm_overflow:
  JP Z,OVError
FNorm_round:
  BIT 7,L
  JR Z,FNorm_pack
  INC E
  JR NZ,FNorm_pack
  INC D
  JR NZ,FNorm_pack
  INC C
  JR NZ,FNorm_pack
  LD C,80h
  INC B
  JR Z,FNorm_overflow
FNorm_pack:
  LD A,(FSIGN)
  OR 7Fh
  AND C
  LD C,A
; In: BCDE. Out: ACC = BCDE, type single. Keeps: BC DE HL.
FLoadBCDE:
  LD (FAC),DE
  LD (FAC+2),BC
FSetSingle:
  LD A,4
  LD (TYPEFLAG),A
  RET

; In: -. Out: ACC = single 0. Keeps: BC DE HL. Uses no stack: FAdd
; comes here, and NEXT keeps its loop's entry just above the stack while
; FAdd runs.
FZero:
  XOR A
  LD (FAC),A
  LD (FAC+1),A
  LD (FAC+2),A
  LD (FAC+3),A
  JR FSetSingle

; The exponent and sign of a product or quotient: In: HL = the exponent's
; 16-bit value + 128, BCDE and ACC the operands. Out: returns to the
; caller's caller with ACC = 0 when the exponent is below 1; ?OV above 255;
; else stores it at FAC+3, the result's sign in FSIGN and both mantissas
; with their leading 1 set (C, FAC+2). Keeps: B DE.
FSetExponent:
  LD A,L
  ADD A,80h                 ; less 128: L the low byte, A the high one
  LD L,A
  LD A,H
  ADC A,0FFh
  JR NZ,FSetExponent_range
  OR L
  JR Z,FSetExponent_zero
FSetExponent_store:
  LD (FAC+3),A
  LD HL,FAC+2
  LD A,(HL)
  XOR C
  LD (FSIGN),A
  SET 7,C
  SET 7,(HL)
  RET
; 256 goes on as 0: a product below 1/2 (a quotient below 1) normalises
; to 255; FNorm takes anything else for ?OV.
FSetExponent_range:
  JP M,FSetExponent_zero
  DEC A
  OR L
  JP NZ,OVError
  JR FSetExponent_store
FSetExponent_zero:
  POP HL
  JP FZero

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

; In: BCDE (left), ACC single (right). Out: A = 1, 0 or FFh as left is
; greater, equal or less (the flags do not tell it). Keeps: BC DE.
; Pushes nothing, for NEXT as FAdd.
; The exponents first: a larger one (or the other 0) is the larger
; magnitude, whose sign then decides; most comparisons end there.
FCompare:
  LD HL,FAC+3
  LD A,B
  CP (HL)
  JR C,FCompare_right       ; |left| < |right|, or left 0
  JR NZ,FCompare_left       ; |left| > |right|, or right 0
  OR A
  RET Z                     ; both 0
  DEC HL
  LD A,C
  XOR (HL)
  JP M,FCompare_left        ; the signs differ: by the left's
  LD A,C                    ; (the sign bits are equal)
  CP (HL)
  JR NZ,FCompare_magnitude
  DEC HL
  LD A,D
  CP (HL)
  JR NZ,FCompare_magnitude
  DEC HL
  LD A,E
  CP (HL)
  JR NZ,FCompare_magnitude
  XOR A
  RET
FCompare_magnitude:         ; carry: |left| < |right|
  SBC A,A                   ; less when that differs from the sign
  XOR C
  RLA                       ; (FCompare_sign again: the common way out)
  SBC A,A
  OR 1
  RET
FCompare_right:             ; by the sign of the ACC, reversed (HL is
  DEC HL                    ; still at its exponent)
  LD A,(HL)
  CPL
  JR FCompare_sign
FCompare_left:              ; by the sign of BCDE
  LD A,C
FCompare_sign:
  RLA
  SBC A,A
  OR 1
  RET

; In: HL integer. Out: ACC = HL as a single. Keeps: BC DE (the second
; name is for the callers that need them).
IntToSingleKeep:
IntToSingle:
  LD A,H
  OR A
  JR Z,IntToSingle_byte
  LD (FSIGN),A
  CALL M,NegHL              ; (the sign from the OR A above)
UIntToSingle_store:         ; HL = the magnitude, 1..FFFFh
  LD A,145
IntToSingle_shift:          ; 16-bit shifts, faster than FNorm's 32-bit ones
  DEC A
  ADD HL,HL
  JR NC,IntToSingle_shift   ; the leading 1 goes out
  RR H                      ; and comes back on top: 16 bits are exact,
  RR L                      ; nothing to round; packed here, not by
  LD (FAC+3),A              ; FNorm, so that BC DE stay
  LD A,(FSIGN)
  OR 7Fh
  AND H
  LD H,A
  LD (FAC+1),HL
  XOR A
  LD (FAC),A
  JP FSetSingle
IntToSingle_exponent:       ; A = the exponent, then normalise (for RND)
  LD (FAC+3),A
  JP FNorm

IntToSingle_byte:           ; 0..255, the common constants: shift to the top
  OR L                      ; (A = H = 0)
  JP Z,FZero
  DEC A                     ; 1, the commonest, at once (A = 0 is its
  LD H,129                  ; top byte)
  JR Z,IntToSingle_store
  INC A
  LD H,137
  CP 16
  JR NC,IntToSingle_top
  LD H,133                  ; 1..15 (most of them): four places at once
  ADD A,A
  ADD A,A
  ADD A,A
  ADD A,A
IntToSingle_top:
  DEC H
  ADD A,A
  JR NC,IntToSingle_top     ; the leading 1 goes out; below it the rest
  SRL A                     ; a positive sign
IntToSingle_store:
  LD L,A                    ; H L: the exponent and the top byte, stored
  LD (FAC+2),HL             ; from HL so that BC DE stay
  LD HL,0
  LD (FAC),HL
  JP FSetSingle

; In: HL unsigned. Out: ACC = HL as a single. Keeps: nothing.
UIntToSingle:
  XOR A
  LD (FSIGN),A
  OR H
  JR Z,IntToSingle_byte     ; (0 too: the shifts would never end)
  JR UIntToSingle_store

; In: ACC single. Out: HL = the ACC truncated toward 0; carry set when it
; is outside -32768..32767. Keeps: BC DE.
SingleToInt:
  LD HL,0
  LD A,(FAC+3)
  CP 129
  CCF
  RET NC                    ; below 1: 0
  CP 137
  JR NC,SingleToInt_wide
  SUB 129                   ; below 256, the common case (indexes, steps):
  LD L,1                    ; the leading 1, then the 0..7 whole bits
  JR Z,SingleToInt_sign     ; below it from the top (H is 0)
  LD H,A
  LD A,(FAC+2)
  ADD A,A                   ; (the sign goes)
SingleToInt_small:
  ADD A,A
  RL L
  DEC H
  JR NZ,SingleToInt_small
SingleToInt_sign:
  LD A,(FAC+2)
  OR A
  RET P                     ; (no carry from the OR)
  JP NegHL                  ; (H is 0: no carry from its last SUB)
SingleToInt_wide:           ; 256 and above: 0..7 places right
  CP 145
  JR NC,SingleToInt_big
  LD HL,(FAC+1)
  SET 7,H
  SUB 144
  JR Z,SingleToInt_shifted
SingleToInt_shift:
  SRL H
  RR L
  INC A
  JR NZ,SingleToInt_shift
SingleToInt_shifted:       ; HL = the magnitude, 100h..FFFFh
  LD A,(FAC+2)
  OR A
  CALL M,NegHL
  LD A,(FAC+2)              ; it fits when the result's sign is the
  XOR H                     ; value's (-1..-8000h negated have bit 7)
  RLA
  RET
SingleToInt_big:
  SCF
  RET
