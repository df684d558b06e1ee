; A digit's value, for the readers of numbers and the line editor's counts
; (its own file, so that it fits one of the small gaps between entry points).
;
; RAM: none.

; In: A = a character. Out: A = its digit value and NC, or carry when it is
; no digit (A kept then). Keeps: BC DE HL.
DigitValue:
  CP '9' + 1
  CCF
  RET C
  CP '0'
  RET C
  SUB '0'
  RET
