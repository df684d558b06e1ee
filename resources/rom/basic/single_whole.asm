; The whole part of a single, FIX and INT, taken by the double routines
; (exact, as a single's bits fit a double's).

; In: ACC single. Out: ACC = the ACC without its fraction (toward 0).
; Keeps: nothing.
FFix:
  LD DE,DFix
  JR FByDouble

; In: ACC single. Out: ACC = the largest whole number not above it.
; Keeps: nothing.
FInt:
  LD DE,DInt

; In: ACC single, DE = a routine for a double. Out: the routine's result
; for the ACC as a double, rounded back to a single. Keeps: nothing.
FByDouble:
  CALL SingleToDouble
  EX DE,HL
  CALL JumpHL
  JP DoubleToSingle
