; Integer division, whose quotient is always a single (2490h).
;
; RAM: none of its own.

; In: DE, HL. Out: ACC = DE / HL as a single. Keeps: nothing.
IntDiv:
  CALL IntPairToSingle
  JP FDiv
