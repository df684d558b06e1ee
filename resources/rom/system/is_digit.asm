; Testing for a digit (a file of its own: it fills a small gap).

; Carry set when A is a decimal digit.
IsDigit:
  CP '0'
  CCF
  RET NC
  CP '9' + 1
  RET
