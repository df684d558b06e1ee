; Quillor monitor: the 2 KB second ROM at 3000h, the second part of
; roms.asm, started with MON at the command prompt (or SYSTEM, "/12288"),
; with parts of the system ROM that the first has no room for
; (system/second_rom.inc). Being one program with the system ROM, both
; call each other by name. The monitor reads its command line and starts
; a fresh line with the command level's routines.
;
; SERIES=1 gives "ROM2K", 2 "ROM2KS2", 3 "ROM2KS3"; the variants differ only
; in the model named in the greeting. Only 3000h-377Fh is visible to the
; processor, so the code must end there.

MONARG1    EQU 4060h        ; up to three hexadecimal arguments
MONARG2    EQU 4062h
MONARG3    EQU 4064h
MONCOUNT   EQU 4066h        ; how many were given
MONNAME    EQU 4067h        ; pointer to the text after the arguments

  ORG 3000h                 ; the monitor's files keep this order (a JR
  INCLUDE "monitor/monitor.asm"   ; may reach across them)
  INCLUDE "monitor/memory_commands.asm"
  INCLUDE "monitor/tape_commands.asm"
  INCLUDE "monitor/hex.asm"
  INCLUDE "monitor/texts.asm"

  ; Parts of the system ROM: DELETE, EXP and TAN, CLS, a program's BREAK text, a tape
  ; command's failure, cold start's free bytes, disk boot and memory probe,
  ; small routines, the printer driver, the mathematical tables, the
  ; keyword table and the messages (the first ROM has no room for them).
  AT DeleteCommand
  INCLUDE "system/delete.asm"
  AT EXPTAN
  INCLUDE "basic/math_exp.asm"
  INCLUDE "basic/math_tan.asm"
  INCLUDE "system/cls_statement.asm"
  INCLUDE "system/break_in_text.asm"
  INCLUDE "system/tape_fail.asm"
  INCLUDE "system/free_bytes.asm"
  INCLUDE "system/disk_boot.asm"
  INCLUDE "system/memory_probe.asm"
  INCLUDE "system/is_digit.asm"
  INCLUDE "system/skip_blanks.asm"
  INCLUDE "system/upper_case.asm"
  INCLUDE "system/break_text.asm"
  INCLUDE "system/printer.asm"
  INCLUDE "basic/math_data.asm"
  INCLUDE "system/messages.asm"
  AT TOKENTABLE
  INCLUDE "system/tokens.asm"
  INCLUDE "system/auto.asm"       ; between the keyword table and the
  INCLUDE "system/tape_system_go.asm" ; last messages
  INCLUDE "basic/double_minus_one.asm"
  INCLUDE "system/more_messages.asm"

  IF $ > 3780h
  .ERROR The monitor must end before 3780h, where the registers begin
  ENDIF
  AT 3800h
