; Quillor system ROM: 12 KB at 0000h.
;
; Assembled twice: SERIES=1 for the Series I and II machines ("ROM12K") and
; SERIES=3 for the /64 ("ROM12KS3"). The two differ only in the banner.
;
; Layout: the restart and entry vectors come first, then the documented
; entry points at their fixed addresses (mostly jumps into the bodies), and
; the drivers, the tape code and the command level in the free space
; between them. A full BASIC interpreter is to take the space from 1EA6h on.

  INCLUDE "fixed_address.inc"
  INCLUDE "system/ram.inc"
  INCLUDE "system/entry_points.inc"

  ORG 0000h
  INCLUDE "system/vectors.asm"
  INCLUDE "system/fixed_entries.asm"

  AT 05DCh
  INCLUDE "system/cold_start.asm"
  INCLUDE "system/screen.asm"
  INCLUDE "system/keyboard.asm"
  INCLUDE "system/line_input.asm"
  INCLUDE "system/printer.asm"
  INCLUDE "system/tape.asm"
  INCLUDE "system/disk_boot.asm"

  AT PRINTHLDEC
  JP PrintHLDecimal
  INCLUDE "system/numbers.asm"
  INCLUDE "system/command_level.asm"
  INCLUDE "system/tape_commands.asm"
  INCLUDE "system/program_text.asm"
  INCLUDE "system/list.asm"
  INCLUDE "system/tokens.asm"

  INCLUDE "system/basic_entries.asm"

  AT 3000h
  END
