; Double precision division (double_core.asm describes the format).
;
; RAM: DFAC, DGUARD, ARG, DWORK (the remainder).

; In: ACC, ARG doubles. Out: ACC = ACC / ARG (0DE5h); ?/0 when ARG is 0;
; ARG is used up. Restoring division: the remainder in DWORK, the
; divisor in ARG, 64 quotient bits shifted into the ACC. The remainder's
; low byte stays 0 (only zeros are shifted in), as would the divisor's
; below ARG, so both are compared and subtracted from the byte above.
; Keeps: nothing.
DDiv:                       ; (each way out sets the type)
  LD A,(ARG+7)
  OR A
  JP Z,DZError
  CPL                       ; for DSetExponent
  LD DE,-127
  CALL DSetExponent
  LD HL,DFAC                ; the dividend is the first remainder
  LD DE,DWORK+1
  LD BC,7
  LDIR
  XOR A
  LD (DWORK),A
  LD C,64
DDiv_step:                  ; remainder against divisor, from the top
  LD DE,DWORK+7
  LD HL,ARG+6
  LD B,7
DDiv_compare:
  LD A,(DE)
  CP (HL)
  JR C,DDiv_zero            ; smaller: a 0 bit
  JR NZ,DDiv_take
  DEC DE
  DEC HL
  DJNZ DDiv_compare
DDiv_take:                  ; the divisor goes in: subtract, a 1 bit
  LD DE,DWORK+1
  LD HL,ARG
  LD B,7
  OR A
DDiv_subtract:
  LD A,(DE)
  SBC A,(HL)
  LD (DE),A
  INC DE
  INC HL
  DJNZ DDiv_subtract
  SCF
  JR DDiv_bit
DDiv_zero:
  OR A
DDiv_bit:                   ; carry = the quotient bit
  LD HL,DGUARD
  CALL DShiftLeft
  LD HL,DWORK+1             ; (DWORK stays 0)
  OR A
  CALL DShiftLeft7          ; carry: the remainder passed 64 bits
  DEC C
  JP Z,DNorm
  JR C,DDiv_take            ; then the divisor surely goes in
  JR DDiv_step
