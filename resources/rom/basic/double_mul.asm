; Double precision multiplication (double_core.asm describes the format).
;
; RAM: DFAC, DGUARD, ARG, FSIGN. Uses IX (kept) and the second register
; set (BC' DE' HL', not kept).

; In: ACC, ARG doubles. Out: ACC = ACC * ARG (0DA1h); ARG is used up.
; Shift and add, the multiplier's low bit first; the product's bits below
; the guard byte fall away. The eight product bytes live in registers
; while the ACC's mantissa, untouched until the end, is the multiplier:
; a shift costs 8 T a byte instead of 21 in memory, and products are the
; bulk of LOG, EXP, SIN and ^. Product bytes, guard byte first: C B E D
; L H C' B' (so each pair stores in place; the top two in the set that
; holds the multiplier's bits, so a 0 bit goes straight to the shift and
; a sum needs no jump); D' holds the multiplier's bits, HL' points to
; them. Keeps: nothing.
DMul:                       ; (each way out sets the type)
  LD A,(ARG+7)
  OR A
  JP Z,DZero
  LD DE,-129
  CALL DSetExponent
  PUSH IX
  LD IX,ARG
  LD BC,0                   ; the product starts at 0
  LD D,B
  LD E,B
  LD H,B
  LD L,B
  EXX
  LD BC,0
  LD HL,DFAC
DMul_byte:                  ; (the second register set from here)
  LD A,(HL)
  INC HL
  OR A
  JR Z,DMul_zero
  SCF
  RRA
  LD D,A                    ; the bits left, above them a marker bit
DMul_bit:                   ; carry = this bit of the multiplier
  JR NC,DMul_shift          ; (no carry in then)
  EXX
  LD A,B
  ADD A,(IX+0)
  LD B,A
  LD A,E
  ADC A,(IX+1)
  LD E,A
  LD A,D
  ADC A,(IX+2)
  LD D,A
  LD A,L
  ADC A,(IX+3)
  LD L,A
  LD A,H
  ADC A,(IX+4)
  LD H,A
  EXX
  LD A,C
  ADC A,(IX+5)
  LD C,A
  LD A,B
  ADC A,(IX+6)
  LD B,A
DMul_shift:                 ; the carry of the sum comes in at the top
  RR B
  RR C
  EXX
  RR H
  RR L
  RR D
  RR E
  RR B
  RR C
  EXX
  SRL D
  JP NZ,DMul_bit            ; (56 times a product)
DMul_bytedone:
  LD A,L
  CP LOW (DFAC+7)           ; seven bytes (DFAC lies within one page)
  JR NZ,DMul_byte
  LD (DFAC+5),BC
  EXX
  LD (DGUARD),BC
  LD (DFAC+1),DE
  LD (DFAC+3),HL
  POP IX
  JP DNorm
DMul_zero:                  ; eight zero bits: the product moves a byte
  LD A,C
  LD C,B
  LD B,0
  EXX
  LD C,B
  LD B,E
  LD E,D
  LD D,L
  LD L,H
  LD H,A
  EXX
  JR DMul_bytedone
