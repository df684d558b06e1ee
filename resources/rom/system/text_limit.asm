; The highest address the program text may reach (its own file, so that it
; fits one of the small gaps between entry points).
;
; RAM: none.

; The program text may grow up to STACKROOM below the stack (which is the
; bottom of string space). Out: DE = that limit. Keeps: A BC HL.
TextLimit:
  IF STACKROOM != 0200h
  .ERROR TextLimit takes STACKROOM as two pages
  ENDIF
  LD DE,(STACKTOP)
  DEC D
  DEC D
  RET
