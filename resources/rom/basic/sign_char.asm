; A sign in front of a number, for the readers of numbers (its own file, so
; that it fits one of the small gaps between entry points).
;
; RAM: none.

; In: A = a character. Out: Z for a sign ('+' or '-', as a character or
; a token), then carry for '-'. Keeps: all but F.
SignChar:
  CP 0CDh
  RET Z
  CP '+'
  RET Z
  CP 0CEh
  JR Z,SignChar_minus
  CP '-'                    ; (the carry of no sign means nothing)
SignChar_minus:
  SCF
  RET
