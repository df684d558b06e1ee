; Upper case for a letter (in the second ROM at UpperCase, second_rom.inc,
; which the monitor shares).

; In: A. Out: A in upper case when it is a lower-case letter. Keeps: all
; other registers.
  AT UpperCase
  CP 'a'
  RET C
  CP 'z' + 1
  RET NC
  SUB 20h
  RET
