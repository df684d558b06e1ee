; A double from a single constant, for the mathematical functions.
;
; RAM: MATHX, MATHZ (owned here; the functions keep their doubles there),
; ARG.

; In: HL = a single. Out: ARG = it as a double, HL after it, BC = 0.
; The four low bytes are cleared by two word stores of the BC the LDIR
; leaves, not by a byte loop (67 T less). Keeps: A.
ArgFromSingle:
  LD DE,ARG+4
  LD BC,4
  LDIR
  LD (ARG),BC
  LD (ARG+2),BC
  RET
