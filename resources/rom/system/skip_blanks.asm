; Skipping blanks in text (a file of its own: it fills a small gap).

; A = the first non-blank byte at or after HL; HL points at it.
SkipBlanks:
  LD A,(HL)
  CP ' '
  RET NZ
  INC HL
  JR SkipBlanks
