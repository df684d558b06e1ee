; The text a BREAK during a tape command shows (in the second ROM at
; BreakText, second_rom.inc, which the monitor shares).

  AT BreakText
  DEFB "BREAK",0Dh,0
