; A double times ten, exact while the mantissa holds the result.
;
; RAM: DFAC, DGUARD, DWORK, FSIGN.

; In: ACC double. Out: ACC = ACC * 10, exact while the result's mantissa
; holds it: m * 10 = (m + m / 4) * 8. Keeps: nothing.
DTimesTen:
  LD A,(FAC+3)
  OR A
  RET Z
  ADD A,3
  JP C,OVError
  LD (FAC+3),A
  LD HL,FAC+2
  LD A,(HL)
  LD (FSIGN),A
  SET 7,(HL)
  XOR A
  LD (DGUARD),A
  LD HL,DGUARD
  LD DE,DWORK
  LD BC,8
  LDIR
  LD HL,DWORK+7
  OR A
  CALL DShiftRight
  LD HL,DWORK+7
  OR A
  CALL DShiftRight
  LD HL,DGUARD
  LD DE,DWORK
  LD B,8
  JP DAdd_add
