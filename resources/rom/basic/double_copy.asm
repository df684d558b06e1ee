; The shared steps of double precision: copies between the ACC, ARG and
; other cells (the shifts, sums and exchange have files of their own).
;
; RAM: DFAC, ARG.

; In: -. Out: ARG = the ACC. Keeps: -.
DAccToArg:
  LD HL,DFAC

; In: HL = eight bytes. Out: ARG = them. Keeps: -.
DLoadArg:
  LD DE,ARG
  JR DCopy

; In: -. Out: the ACC = ARG. Keeps: -.
DArgToAcc:
  LD HL,ARG

; In: HL = eight bytes. Out: the ACC = them, type double. Keeps: -.
DLoadAcc:
  CALL DSetDouble
  LD DE,DFAC
  JR DCopy

; In: DE = eight bytes. Out: they hold the ACC. Keeps: A.
DStore:
  LD HL,DFAC

; In: HL, DE. Out: eight bytes copied from HL to DE, HL and DE after
; them, BC = 0. Four LDIs a round instead of an LDIR: 15 T less a copy,
; and copies are a step of every double operation. Keeps: A.
DCopy:
  LD BC,8
DCopy_four:
  LDI
  LDI
  LDI
  LDI
  JP PE,DCopy_four          ; (P/V: BC is not 0 yet)
  RET
