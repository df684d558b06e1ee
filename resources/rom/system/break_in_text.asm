; The text a BREAK in a program shows before " IN nnnn" (in the second
; ROM at BreakInText, second_rom.inc, as the first has no room for it).

  AT BreakInText
  DEFB "BREAK",0
