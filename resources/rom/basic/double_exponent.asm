; The exponent and sign of a double product or quotient.
;
; RAM: DFAC, ARG, FSIGN.

; The exponent of a product or quotient, the sign to FSIGN and the leading
; 1 set in both mantissas. In: ARG not 0; A + DE = what the result's
; exponent adds to the ACC's, less 1: ARG's exponent and -129 for a
; product, its complement (255 less it) and -127 for a quotient. Out:
; returns to the caller's caller with ACC = 0 (type double) when the ACC
; is 0 or the exponent is below 1; ?OV above 256 (256 goes on as 0: see
; FSetExponent). Keeps: -.
DSetExponent:
  LD HL,(FAC+3)             ; H is FAC+4
  LD H,0
  INC L
  DEC L
  JR Z,DSetExponent_zero
  ADD HL,DE
  LD E,A
  LD D,0
  ADD HL,DE
  LD A,H
  OR A
  JR NZ,DSetExponent_range
  LD A,L
  INC A
  LD HL,FAC+3
  LD (HL),A
  DEC HL
  LD DE,ARG+6
  LD A,(DE)
  XOR (HL)
  LD (FSIGN),A
  SET 7,(HL)
  EX DE,HL
  SET 7,(HL)
  RET
DSetExponent_range:         ; H = 1 above 256, FFh below 1
  JP P,OVError
DSetExponent_zero:
  POP HL
  JP DZero
