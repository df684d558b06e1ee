; The exponent and sign of a double product or quotient.
;
; RAM: DFAC, ARG, ARGGUARD, FSIGN.

; The exponent of a product or quotient and the sign; both mantissas
; unpacked. In: HL = the exponent as a 16-bit value. Out: returns to the
; caller's caller with ACC = 0 when it is below 1; ?OV above 255.
; Keeps: -.
DSetExponent:
  LD A,H
  OR A
  JR NZ,DSetExponent_range
  LD A,L
  OR A
  JR Z,DSetExponent_zero
DSetExponent_store:
  LD (FAC+3),A
  LD HL,FAC+2
  LD A,(ARG+6)
  XOR (HL)
  LD (FSIGN),A
  SET 7,(HL)
  LD HL,ARG+6
  SET 7,(HL)
  XOR A
  LD (ARGGUARD),A
  RET
; 256 goes on as 0: see FSetExponent.
DSetExponent_range:
  JP M,DSetExponent_zero
  DEC A
  OR L
  JP NZ,OVError
  JR DSetExponent_store
DSetExponent_zero:
  POP HL
  JP DZero
