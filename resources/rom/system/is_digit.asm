; Testing for a digit (in the second ROM at IsDigit, second_rom.inc).

; Carry set when A is a decimal digit.
  AT IsDigit
  CP '0'
  CCF
  RET NC
  CP '9' + 1
  RET
