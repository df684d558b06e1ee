; Comparison of singles, and 16-bit integers to and from singles
; (single.asm describes the format).
;
; RAM: FAC.

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
