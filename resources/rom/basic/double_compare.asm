; Comparing two doubles (double_core.asm describes the format).
;
; RAM: DFAC, ARG.

; In: ACC (left) and ARG (right) doubles. Out: A = 1, 0 or FFh as left is
; greater, equal or less; flags from OR A. Keeps: -.
DCompare:
  LD HL,ARG+7
  LD A,(HL)
  OR A
  JR Z,DCompare_leftsign
  LD A,(FAC+3)
  OR A
  DEC HL
  LD A,(HL)                 ; ARG's sign byte
  JR Z,DCompare_rightsign
  LD HL,FAC+2
  XOR (HL)
  JP M,DCompare_leftsign
  INC HL
  EX DE,HL                  ; DE = FAC+3
  LD HL,ARG+7
  LD B,8
DCompare_byte:
  LD A,(DE)
  CP (HL)
  JR NZ,DCompare_magnitude
  DEC DE
  DEC HL
  DJNZ DCompare_byte
  XOR A
  RET
DCompare_magnitude:         ; carry: |left| < |right|
  SBC A,A                   ; bit 7: |left| < |right|, then XOR the sign
  LD HL,FAC+2               ; both share: less for a positive pair
  XOR (HL)
  JR DCompare_sign
DCompare_leftsign:          ; by the sign of the ACC alone
  LD HL,(FAC+2)             ; H = the exponent, L = the sign's byte
  LD A,H
  OR A
  RET Z
  LD A,L
DCompare_sign:
  RLA
  SBC A,A
  OR 1
  RET
DCompare_rightsign:         ; the ACC is 0: by the sign of ARG, reversed
  CPL
  JR DCompare_sign
