; A double times ten, exact while the mantissa holds the result; and the
; unpacking of the ACC's sign that addition, conversion and this share.
;
; RAM: DFAC, DGUARD, DWORK, FSIGN.

; In: ACC double. Out: ACC = ACC * 10, exact while the result's mantissa
; holds it: m * 10 = (m + m / 4) * 8. Keeps: nothing.
DTimesTen:
  LD HL,FAC+3
  LD A,(HL)
  OR A
  RET Z
  ADD A,3
  JP C,OVError
  LD (HL),A
  CALL DUnpackTop
  XOR A
  LD HL,DGUARD
  LD (HL),A
  LD DE,DWORK
  LD BC,8
  LDIR
  LD B,2
DTimesTen_quarter:
  LD HL,DWORK+7
  OR A
  CALL DShiftRight
  DJNZ DTimesTen_quarter
  LD HL,DGUARD
  LD DE,DWORK
  LD B,8
  JP DAdd_add

; The ACC's sign to FSIGN and its leading 1 set, before the mantissa is
; worked on. In: ACC. Out: A = the top byte as it was, HL = FAC+2.
; Keeps: BC DE.
DUnpackTop:
  LD HL,FAC+2
  LD A,(HL)
  LD (FSIGN),A
  SET 7,(HL)
  RET
