; Double precision division (double_core.asm describes the format).
;
; RAM: DFAC, DGUARD, ARG, DWORK (the remainder). Uses the second register
; set (BC' HL', not kept).

; In: ACC, ARG doubles. Out: ACC = ACC / ARG (0DE5h); ?/0 when ARG is 0;
; ARG is used up. Restoring division: the remainder in DWORK, the
; divisor in ARG, 64 quotient bits. The remainder's low byte stays 0
; (only zeros are shifted in), as would the divisor's below ARG, so both
; are compared and subtracted from the byte above. The quotient's bits
; gather in C' and go to the ACC a byte at a time, from the top down,
; which spares a shift of eight bytes per bit. C' holds them inverted,
; as the carry comes from the compare and the subtraction, above them a
; marker bit. Keeps: nothing (the second register set neither).
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
  EXX
  LD HL,FAC+2               ; the quotient's top byte
  LD C,1
  EXX
  JR DDiv_step
DDiv_next:                  ; no carry: from the RL, or the CP of an L
  EXX                       ; above DGUARD's; the shift falls into the
  LD HL,DWORK+1             ; next step (DWORK stays 0)
  CALL DShiftLeft7          ; carry: the remainder passed 56 bits
  JR C,DDiv_take            ; then the divisor surely goes in
DDiv_step:                  ; remainder against divisor, from the top
  LD DE,DWORK+7             ; (DWORK and ARG lie within a page each)
  LD HL,ARG+6
  LD B,7
DDiv_compare:
  LD A,(DE)
  CP (HL)
  JR C,DDiv_bit             ; smaller: a 0 bit, carry set
  JR NZ,DDiv_take
  DEC E
  DEC L
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
  INC E
  INC L
  DJNZ DDiv_subtract
  OR A                      ; (a borrow here is the bit past 56)
DDiv_bit:                   ; carry = the quotient bit inverted
  EXX
  RL C
  JR NC,DDiv_next
  LD A,C                    ; eight bits: the marker is out
  CPL
  LD (HL),A
  LD C,1
  LD A,L
  DEC L
  CP LOW DGUARD
  JR NZ,DDiv_next
  JP DNorm
