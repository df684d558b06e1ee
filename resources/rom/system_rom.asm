; Quillor system ROM: 12 KB at 0000h, the first part of roms.asm.
;
; SERIES=1 and 2 give the Series I and II machines' "ROM12K", SERIES=3 the
; /64's "ROM12KS3". The two differ only in the banner.
;
; This file is the layout: the documented entry points at their fixed
; addresses (placed with AT, which fails the assembly when the code before
; grows past one) and, in the gaps between them, the drivers (system/) and
; the BASIC interpreter (basic/), one file per subsystem. When a file
; outgrows its gap, move it (or another) to a gap with room: the build
; prints the bytes used and free per gap. The keyword table lies in the
; second ROM at TOKENTABLE (3500h), as the first ROM has no room left, and
; so do most messages (system/messages.inc).

  INCLUDE "fixed_address.inc"
  INCLUDE "system/ram.inc"
  INCLUDE "system/tape.inc"
  INCLUDE "system/entry_points.inc"
  INCLUDE "system/messages.inc"
  INCLUDE "system/second_rom.inc"

  ORG 0000h
  INCLUDE "system/vectors.asm"
  INCLUDE "system/fixed_entries.asm"
  INCLUDE "system/keyboard.asm"

  INCLUDE "system/type_and_syntax.asm"
  INCLUDE "basic/double_mul.asm"

; The screen, tape and input entries from 01C9h to 0384h: jumps, and three
; short routines that keep DE; the driver's routines (tape.inc) fill the
; room between them with the rest.
  AT CLS
  INCLUDE "system/clear_screen.asm"
  INCLUDE "basic/direct_statement.asm"
  AT MOTOROFF
  INCLUDE "system/tape_motor_off.asm"
  INCLUDE "basic/table_word.asm"
  AT MOTORON
  INCLUDE "system/tape_motor_on.asm"
  INCLUDE "basic/digit_value.asm"
  AT BLINK
  JP TapeBlink
  AT TAPEREAD
  INCLUDE "system/tape_read_byte.asm"
  INCLUDE "basic/math_functions.asm"
  AT TAPEWRITE
  INCLUDE "system/tape_write_byte.asm"
  INCLUDE "basic/single_whole.asm"
  AT WRITELEADER
  JP TapeWriteLeader
  INCLUDE "system/token_string.asm"
  AT FINDLEADER
  JP TapeFindLeader
  INCLUDE "basic/double_shift_left.asm"
  AT SYSTEMCMD
  JP SystemCommand
  INCLUDE "system/line_store.asm"
  AT TAPEADDR
  JP TapeReadAddress
  INCLUDE "system/tape_find_leader.asm"
  AT DISPLAYKEEP            ; display A keeping DE
  PUSH DE
  CALL DISPLAY
  POP DE
  RET
  INCLUDE "system/input_line.asm"
  AT INPUTTOBUF             ; a line into the buffer at (40A7h), carry on BREAK
  LD HL,(INBUFPTR)
  LD B,INBUFLEN
  JP LINEINPUTB
  INCLUDE "system/tape_write_leader.asm"
  AT WAITKEYKEEP            ; wait for a key keeping DE
  PUSH DE
  CALL WAITKEY
  POP DE
  RET
  INCLUDE "basic/read_statement.asm"
  INCLUDE "system/tape_write.asm"
  INCLUDE "basic/for_next.asm"

  AT LINEINPUTB
  INCLUDE "system/line_input.asm"
  INCLUDE "basic/using_digits.asm"
  INCLUDE "system/tape_load.asm"

  AT SNGSUB
  INCLUDE "basic/single_add.asm"
  ENTRYAT FAdd, SNGADD
  INCLUDE "system/list.asm"

  AT SNGMUL
  INCLUDE "basic/single_mul.asm"

  AT SNGDIV
  INCLUDE "basic/single_div.asm"
  INCLUDE "basic/input_item.asm"
  INCLUDE "basic/single_mul_byte.asm"
  INCLUDE "basic/variable_store.asm"

  AT USRARG
  JP AccToInt
  INCLUDE "basic/acc_to_single.asm"

  AT USRRET
  JP StoreInt
  INCLUDE "basic/double_add_bytes.asm"
  INCLUDE "system/tape_read_address.asm"
  AT TOSNG
  JP AccToSingle
  INCLUDE "system/tape_read_bit.asm"
  AT TODBL
  INCLUDE "basic/double_convert.asm"
  INCLUDE "basic/eval_types.asm"
  INCLUDE "basic/double_times_ten.asm"

  AT INTSUB
  JP IntSub
  INCLUDE "system/text_limit.asm"
  AT INTADD
  INCLUDE "basic/int_add.asm"
  INCLUDE "basic/double_swap.asm"
  AT INTMUL
  INCLUDE "basic/integer.asm"
  INCLUDE "basic/string_args.asm"

  AT DBLSUB
  INCLUDE "basic/double_add.asm"
  ENTRYAT DAdd, DBLADD
  INCLUDE "basic/control.asm"
  INCLUDE "basic/double_exponent.asm"

  AT DBLMUL
  JP DMul
  INCLUDE "basic/single_compare.asm"
  INCLUDE "basic/sign_char.asm"

  AT DBLDIV
  INCLUDE "basic/double_div.asm"
  INCLUDE "system/tape_blink.asm"
  INCLUDE "basic/math_core.asm"

  AT ASCTONUM
  INCLUDE "basic/num_text.asm"

  AT PRINTHLDEC
  JP PrintHLDecimal
  INCLUDE "basic/math_pi.asm"
  AT NUMTOASC
  INCLUDE "basic/number_entry.asm"
  INCLUDE "basic/machine.asm"
  INCLUDE "basic/print_using.asm"
  INCLUDE "system/program_text.asm"
  INCLUDE "basic/double_scale.asm"
  INCLUDE "basic/math_steps.asm"
  INCLUDE "basic/string_store.asm"
  INCLUDE "basic/math_cells.asm"
  INCLUDE "basic/using_number.asm"
  INCLUDE "system/edit.asm"
  INCLUDE "system/cold_start.asm"
  INCLUDE "basic/using_field.asm"
  INCLUDE "basic/single.asm"
  INCLUDE "basic/strings.asm"
  INCLUDE "basic/print.asm"
  INCLUDE "basic/let_dim.asm"
  INCLUDE "basic/num_write.asm"
  INCLUDE "basic/math_power.asm"

  AT READYLEVEL
  INCLUDE "system/command_level.asm"
  INCLUDE "basic/negate_acc.asm"

; Rebuild the links of the program's lines from the line at DE, then go to
; the command level (used after a program is put into memory from
; outside).
  AT RELINK
  CALL RelinkLines
  JP ReadyLevel
  INCLUDE "system/screen.asm"
  INCLUDE "system/tape_system_pass.asm"

  AT NEWCMD
  INCLUDE "system/new_command.asm"
  INCLUDE "system/text_output.asm"
  INCLUDE "basic/operators.asm"

; RST 18: compare HL with DE: Z if equal, C if HL < DE. A is used.
  AT CPHLDE
CompareHLDE:
  LD A,H
  SUB D
  RET NZ
  LD A,L
  SUB E
  RET
  INCLUDE "basic/double_write.asm"
  INCLUDE "basic/cont_tron.asm"
  INCLUDE "system/numbers.asm"

; RST 10: A = the next non-blank character after HL, HL at it. Carry for a
; digit, Z at the end of a statement (00 or ':').
  AT NEXTCHAR
NextChar:
  INC HL
  LD A,(HL)
  CP ':'
  RET NC
  CP ' '
  JR Z,NextChar
  CP '0'
  CCF
  INC A
  DEC A
  RET
  INCLUDE "basic/math_atn.asm"
  INCLUDE "system/tape_system.asm"

  AT DECTOBIN
  INCLUDE "system/decimal_input.asm"
  INCLUDE "basic/double_shift_right.asm"

  AT RUNCMD
  JP RunStatement
  INCLUDE "system/tokenise.asm"
  INCLUDE "basic/math_series.asm"
  INCLUDE "basic/double_copy.asm"
  INCLUDE "basic/variables.asm"
  INCLUDE "basic/functions.asm"
  INCLUDE "basic/machine_functions.asm"
  INCLUDE "basic/eval.asm"
  INCLUDE "basic/operand.asm"

  AT INTDIV
  INCLUDE "basic/int_div.asm"
  INCLUDE "basic/input.asm"
  INCLUDE "basic/double_core.asm"
  INCLUDE "basic/double_compare.asm"
  INCLUDE "basic/run_loop.asm"
  INCLUDE "system/video_codes.asm"

; Display the text at HL up to a 00 byte or a quote; HL ends at it.
  AT PRINTSTR
PrintQuoted:
  LD A,(HL)
  OR A
  RET Z
  CP '"'
  RET Z
  CALL OutChar
  INC HL
  JR PrintQuoted

  INCLUDE "basic/if_on.asm"
  INCLUDE "system/list_text.asm"
  INCLUDE "basic/error_trap.asm"
  INCLUDE "basic/math_log.asm"
  INCLUDE "basic/random.asm"
  INCLUDE "basic/math_sin.asm"
  INCLUDE "basic/double_round.asm"
  INCLUDE "basic/double_read.asm"
  INCLUDE "basic/double_whole.asm"
  INCLUDE "system/tape_commands.asm"
  INCLUDE "system/edit_keys.asm"
  INCLUDE "basic/garbage.asm"
  INCLUDE "basic/str_functions.asm"
  INCLUDE "basic/int_to_single.asm"
  INCLUDE "basic/errors.asm"
  AT 3000h
