; Skipping blanks in text (in the second ROM at SkipBlanks,
; second_rom.inc, which the monitor shares).

; A = the first non-blank byte at or after HL; HL points at it.
  AT SkipBlanks
  LD A,(HL)
  CP ' '
  RET NZ
  INC HL
  JR SkipBlanks
