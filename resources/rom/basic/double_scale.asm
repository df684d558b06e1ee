; Doubles times ten and times a power of ten, for reading and writing
; numbers.
;
; RAM: DFAC, DGUARD, ARG, DWORK, DSAVE, FSIGN.

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

; In: ACC double, A = a signed power of ten. Out: ACC = ACC * 10^A, in
; steps of at most 10^24, each power built exactly (5^24 fits the mantissa)
; so that each step rounds once. Keeps: nothing.
DScaleByTen:
  OR A
  RET Z
  LD C,A
  JP P,DScaleByTen_count
  NEG
DScaleByTen_count:
  LD B,A
DScaleByTen_step:
  LD A,B
  CP 25
  JR C,DScaleByTen_power
  LD A,24
DScaleByTen_power:
  PUSH BC
  PUSH AF
  LD HL,DFAC                ; the value waits in DSAVE
  LD DE,DSAVE
  CALL DCopy
  LD HL,DMinusOne           ; 1.0 (the minus sign cleared)
  CALL DLoadAcc
  XOR A
  LD (FAC+2),A
  POP BC
DScaleByTen_build:
  PUSH BC
  CALL DTimesTen
  POP BC
  DJNZ DScaleByTen_build
  CALL DAccToArg
  LD HL,DSAVE
  CALL DLoadAcc
  POP BC
  PUSH BC
  LD A,C
  OR A
  CALL P,DMul
  POP BC
  PUSH BC
  LD A,C
  OR A
  CALL M,DDiv
  POP BC
  LD A,B
  SUB 24
  RET C
  RET Z
  LD B,A
  JR DScaleByTen_step
