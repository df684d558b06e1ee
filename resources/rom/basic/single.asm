; Single precision arithmetic on the number accumulator.
;
; A single is four bytes: mantissa low, middle, top (bit 7 the sign, standing
; in for the leading 1), then the exponent + 128; zero has exponent 0. In
; registers the same value is E, D, C, B (BCDE). While a routine works, the
; mantissa has its leading 1 set, eight more bits below it (FACGUARD, or L
; at FNormRegs) and its sign in FSIGN; FNorm rounds on those eight bits
; (half up) and packs. FAdd, FMul and FDiv keep their result in registers
; and go in at FNormRegs. FSub and FAdd are in single_add.asm, FMul and
; FDiv in single_mul.asm and single_div.asm, FCompare and the integer conversions in
; single_compare.asm.
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
