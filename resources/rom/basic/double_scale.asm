; A double times a power of ten, for reading and writing numbers.
;
; RAM: DFAC, ARG, DSAVE.

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
  LD DE,DSAVE               ; the value waits in DSAVE
  CALL DStore
  LD HL,SingleOne           ; 1.0
  CALL ArgFromSingle
  CALL DArgToAcc
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
  CALL DScaleByTen_apply
  POP BC
  LD A,B
  SUB 24
  RET C
  RET Z
  LD B,A
  JR DScaleByTen_step
DScaleByTen_apply:          ; by the power's sign in C
  BIT 7,C
  JP Z,DMul
  JP DDiv
