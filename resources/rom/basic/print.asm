; PRINT and LPRINT: items separated by ';' (nothing between) or ',' (to the
; next 16-column zone, a new line after the last); TAB(n); PRINT @ p, at
; 64 * row + column. A number prints with a blank or '-' in front and one
; blank after it; a trailing ';' or ',' keeps the line open. USING goes to
; print_using.asm.
;
; RAM: OUTDEV (0 screen, 1 printer) for the statement's length; USINGDESC
; emptied at its end (print_using.asm).

LprintStatement:
  LD A,1
  DEFB 0FEh                 ; CP n: skips the XOR A
PrintStatement:
  XOR A
  LD (OUTDEV),A
  DEC HL                    ; the character after the keyword and its
  RST 10h                   ; flags again
  JR Z,PrintStatement_ended
  CP '@'
  JR NZ,PrintStatement_item
  RST 10h
  CALL EvalAddress
  PUSH HL
  LD A,D                    ; 0..1023
  CP 4
  JP NC,FCError
  CALL HideCursor
  LD HL,VIDEO
  ADD HL,DE
  LD (CURSOR),HL
  POP HL
  LD A,(HL)
  CP ','
  JR NZ,PrintStatement_item
PrintStatement_separator:
  RST 10h
PrintStatement_end:          ; Z: the statement ends here
  JR Z,PrintStatement_done
PrintStatement_item:         ; HL at a non-blank character, A = it
  OR A
  JR Z,PrintStatement_done
  CP ':'
  JR Z,PrintStatement_done
  CP 95h                    ; ELSE, also straight after TAB( or PRINT @
  JR Z,PrintStatement_done
  CP ';'
  JR Z,PrintStatement_separator
  CP ','
  JR Z,PrintStatement_zone
  CP 0BCh                   ; TAB(
  JR Z,PrintStatement_tab
  CP 0BFh                   ; USING
  JP Z,PrintUsing
  CALL Eval
  PUSH HL
  RST 20h                   ; Z: a string
  CALL Z,PrintAccString     ; (which returns with Z)
  JR Z,PrintStatement_next
  CALL NumberToText
  CALL PrintString
  LD A,' '
  CALL OutChar
PrintStatement_next:
  POP HL
  DEC HL
  RST 10h                   ; Z at the statement's end
PrintStatement_ended:        ; Z: a new line (also for PRINT alone)
  JR Z,PrintStatement_newline
  CP 95h                    ; ELSE
  JR Z,PrintStatement_newline
  JR PrintStatement_item
PrintStatement_zone:
  CALL OutputColumn
  CP 48
  JR C,PrintStatement_pad
  LD A,0Dh
  CALL OutChar
  JR PrintStatement_separator
PrintStatement_pad:
  CALL PrintBlank
  AND 0Fh
  JR NZ,PrintStatement_pad
  JR PrintStatement_separator
PrintStatement_tab:
  INC HL
  CALL EvalByte
  LD B,A
  RST 08h                   ; (keeps B)
  DEFB ')'
  CALL OutputColumn
PrintStatement_tabpad:      ; the screen's column wraps at 64: a TAB( past
  CP B                      ; the line's end stops at the next line's start
  JR NC,PrintStatement_tabbed
  CALL PrintBlank
  JR NZ,PrintStatement_tabpad
PrintStatement_tabbed:
  LD A,(HL)                 ; the character RST 08h stopped at
  JR PrintStatement_item
PrintStatement_newline:
  LD A,0Dh
  CALL OutChar
PrintStatement_done:
  XOR A
  LD (OUTDEV),A
  LD (USINGDESC),A          ; PRINT USING's format is no string of ours any more
  JP ExecNext

; A blank to the text output, then the column as OutputColumn.
PrintBlank:
  LD A,' '
  CALL OutChar
; The column the next character goes to, 0-63. Out: A, Z when 0. Keeps: BC
; DE HL.
OutputColumn:
  LD A,(OUTDEV)
  OR A
  JR NZ,OutputColumn_printer
  LD A,(CURSOR)
  AND 3Fh
  RET
OutputColumn_printer:
  LD A,(PRTCHARS)
  DEC A
  RET

; Print the string whose descriptor the ACC addresses. Out: Z. Keeps:
; nothing.
PrintAccString:
  CALL PopStringDescriptor  ; B = length, HL = text
  INC B
PrintAccString_next:
  DEC B
  RET Z
  LD A,(HL)
  CALL OutChar
  INC HL
  JR PrintAccString_next
