; Comparing two doubles (double_core.asm describes the format).
;
; RAM: DFAC, ARG.

; In: ACC (left) and ARG (right) doubles. Out: A = 1, 0 or FFh as left is
; greater, equal or less; flags from OR A. Keeps: -.
DCompare:
  LD A,(ARG+7)
  OR A
  JR Z,DCompare_leftsign
  LD A,(FAC+3)
  OR A
  JR Z,DCompare_rightsign
  LD A,(ARG+6)
  LD HL,FAC+2
  XOR (HL)
  JP M,DCompare_leftsign
  LD DE,FAC+3
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
  SBC A,A
  OR 1
  LD B,A
  LD A,(FAC+2)
  RLA
  LD A,B
  JR NC,DCompare_done
  NEG
DCompare_done:
  OR A
  RET
DCompare_leftsign:          ; by the sign of the ACC alone
  LD A,(FAC+3)
  OR A
  RET Z
  LD A,(FAC+2)
DCompare_sign:
  RLA
  SBC A,A
  OR 1
  RET
DCompare_rightsign:         ; the ACC is 0: by the sign of ARG, reversed
  LD A,(ARG+6)
  CPL
  JR DCompare_sign
