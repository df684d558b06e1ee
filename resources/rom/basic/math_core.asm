; A double from a single constant, for the mathematical functions.
;
; RAM: MATHX, MATHZ (owned here; the functions keep their doubles there),
; ARG.

; In: HL = a single. Out: ARG = it as a double, HL after it. Keeps: -.
ArgFromSingle:
  LD DE,ARG
  LD B,4
  XOR A
ArgFromSingle_zero:
  LD (DE),A
  INC DE
  DJNZ ArgFromSingle_zero
  LD C,4
  LDIR
  RET
