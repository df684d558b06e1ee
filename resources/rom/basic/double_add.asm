; Double precision addition and subtraction (double_core.asm describes the
; format).
;
; RAM: DFAC, DGUARD, ARG, ARGGUARD, FSIGN, FSUBF.

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
  LD A,(ARG+7)
  OR A
  RET Z
  LD A,(FAC+3)
  OR A
  JP Z,DArgToAcc            ; 0 + ARG: ARG
  LD HL,ARG+7
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
  LD (FSUBF),A
  SET 7,(HL)
  XOR A
  LD (DGUARD),A
  LD (ARGGUARD),A
DAdd_byte:                  ; ARG to the ACC's exponent, a byte at a time
  LD A,C
  SUB 8
  JR C,DAdd_bits
  PUSH AF
  LD HL,ARGGUARD+1
  LD DE,ARGGUARD
  LD BC,7
  LDIR
  XOR A
  LD (DE),A
  POP AF
  LD C,A
  JR DAdd_byte
DAdd_bits:
  LD A,C
  OR A
  JR Z,DAdd_aligned
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
  LD A,(FSUBF)
  RLA
  JR C,DAdd_subtract
; In: HL = DGUARD, DE = the low byte of a mantissa, B = 8. Out: ACC +=
; it, normalised. (DTimesTen comes in here.)
DAdd_add:
  CALL DAddBytes
  JP NC,DNorm
  LD HL,FAC+2               ; the carry comes in at the top
  CALL DShiftRight
  LD HL,FAC+3
  INC (HL)
  JP NZ,DNorm
  JP OVError
DAdd_subtract:
  OR A
DAdd_sub:
  LD A,(HL)
  EX DE,HL
  SBC A,(HL)
  EX DE,HL
  LD (HL),A
  INC HL
  INC DE
  DJNZ DAdd_sub
  JP NC,DNorm
  LD HL,DGUARD              ; the larger was taken from the smaller: negate
  LD B,8
  OR A
DAdd_negate:
  LD A,0
  SBC A,(HL)
  LD (HL),A
  INC HL
  DJNZ DAdd_negate
  LD A,(FSIGN)
  XOR 80h
  LD (FSIGN),A
  JP DNorm
