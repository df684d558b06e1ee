; Double precision addition and subtraction (double_core.asm describes the
; format), and the shift by a whole byte that the alignment here, products
; and rounding to a whole number share.
;
; RAM: DFAC, DGUARD, ARG, ARGGUARD, FSIGN.

; In: ACC, ARG doubles. Out: ACC = ACC - ARG (0C70h). Keeps: nothing.
DSub:
  LD HL,ARG+6
  LD A,(HL)
  XOR 80h
  LD (HL),A

; In: ACC, ARG doubles. Out: ACC = ACC + ARG (0C77h); ARG is used up.
; Keeps: nothing.
DAdd:
  CALL DSetDouble
  LD HL,ARG+7
  LD A,(HL)
  OR A
  RET Z
  LD A,(FAC+3)
  OR A
  JP Z,DArgToAcc            ; 0 + ARG: ARG
  SUB (HL)
  JR NC,DAdd_ordered
  PUSH AF
  CALL DSwap
  POP AF
  NEG                       ; the difference the other way round
DAdd_ordered:               ; the ACC has the larger exponent; A = difference
  CP 64
  RET NC
  LD C,A
  CALL DUnpackTop
  LD HL,ARG+6
  XOR (HL)
  PUSH AF                   ; bit 7: the signs differ, so subtract
  SET 7,(HL)
  XOR A
  LD (DGUARD),A
  LD (ARGGUARD),A
  LD A,C
DAdd_byte:                  ; ARG to the ACC's exponent, a byte at a time
  SUB 8
  JR C,DAdd_bits
  LD DE,ARGGUARD
  CALL DShiftByte
  JR DAdd_byte
DAdd_bits:
  ADD A,8
  JR Z,DAdd_aligned
  LD C,A
DAdd_bit:
  LD HL,ARG+6
  OR A
  CALL DShiftRight
  DEC C
  JR NZ,DAdd_bit
DAdd_aligned:
  LD HL,DGUARD
  LD DE,ARGGUARD
  LD B,8
  POP AF
  RLA
  JR NC,DAdd_add
  OR A
DAdd_sub:
  LD A,(HL)
  EX DE,HL
  SBC A,(HL)
  EX DE,HL
  LD (HL),A
  INC L                     ; (both within a page)
  INC E
  DJNZ DAdd_sub
  JR NC,DAdd_norm
  LD HL,DGUARD              ; the larger was taken from the smaller: negate
  LD B,8
DAdd_negate:                ; the complement plus the borrow, which is 1
  LD A,(HL)
  CPL
  ADC A,0
  LD (HL),A
  INC L
  DJNZ DAdd_negate
  LD HL,FSIGN               ; bit 7 turned
  LD A,(HL)
  CPL
  LD (HL),A
  JR DAdd_norm
; In: HL = DGUARD, DE = the low byte of a mantissa, B = 8. Out: ACC +=
; it, normalised. (DTimesTen comes in here.)
DAdd_add:
  CALL DAddBytes
  JR NC,DAdd_norm
  LD HL,FAC+2               ; the carry comes in at the top
  CALL DShiftRight
  LD HL,FAC+3
  INC (HL)                  ; past 255 it is 0, which DNorm takes as ?OV
DAdd_norm:
  JP DNorm

; In: DE = the low byte of eight. Out: the eight bytes shifted down a
; byte, 0 in at the top; BC = 0, HL = the top byte. Keeps: A.
DShiftByte:
  LD H,D
  LD L,E
  INC HL
  LD BC,7
  LDIR
  EX DE,HL
  LD (HL),B
  RET
