; PRINT USING fmt$; list (also after PRINT @ p, and in LPRINT). The format
; is scanned: its literal text prints as it stands and each value of the
; list is written into the next field; when the format ends with values
; left it starts again from its beginning, and after the last value the
; text up to the next field (or the end) prints. Fields: '!' (the first
; character) and '%' blanks '%' (that many characters plus two) for strings;
; '#' ',' '.' '**' '$$' '**$' '+' '-' '^^^^' for numbers (using_field.asm,
; using_number.asm).
;
; A string of the list may set off a collection of string space, which
; moves the format's text: the format is kept as a descriptor of its own,
; USINGDESC, which the collection updates, and the place in it as the
; characters left (B of C).
;
; RAM: USINGDESC (length 0 outside PRINT USING), USINGFLAGS (bit 0 '+', 1 the sign after the number, 2 '**', 3 '$',
; 4 ',', 5 '.', 6 '^^^^', 7 a string field), USINGINT (positions before the
; point, or the width of a string field), USINGFRAC (digits after the point).

; In: HL at the USING token. Out: on to the end of PRINT. Keeps: -.
PrintUsing:
  RST 10h
  CALL Eval
  RST 08h
  DEFB ';'
  PUSH HL
  RST 20h
  JP NZ,TMError
  CALL PopStringDescriptor  ; B = length, HL = text
  LD (USINGDESC + 1),HL
  LD A,B
  LD (USINGDESC),A
  LD C,B
  LD B,0                    ; as at the end: the first value starts the format
  POP HL
PrintUsing_item:            ; HL at a value; B characters of the C left
  PUSH BC
  CALL Eval
  POP BC
  PUSH HL
  CALL UsingScan
  JR NC,PrintUsing_field
  LD B,C                    ; the end: from the start again
  CALL UsingScan
  JP C,FCError              ; no field at all
PrintUsing_field:           ; HL = the USING cells (UsingField)
  PUSH BC
  RST 20h                   ; Z: a string
  LD A,L
  JR Z,PrintUsing_kind
  CPL
PrintUsing_kind:
  RLA                       ; carry: a string for a string field or a
  JP NC,TMError             ; number for a number field
  JR Z,PrintUsing_string
  CALL UsingNumber
  JR PrintUsing_next
PrintUsing_string:
  LD C,H
  CALL PopStringDescriptor  ; B = length, HL = text
PrintUsing_char:
  LD A,' '                  ; blanks after a shorter string
  INC B
  DEC B
  JR Z,PrintUsing_out
  LD A,(HL)
  INC HL
  DEC B
PrintUsing_out:
  CALL OutChar
  DEC C
  JR NZ,PrintUsing_char
PrintUsing_next:
  POP BC
  POP HL
  LD A,(HL)
  CP ';'
  JR Z,PrintUsing_separator
  CP ','
  JR NZ,PrintUsing_end      ; NZ: a new line after the text
PrintUsing_separator:
  RST 10h
  JR Z,PrintUsing_end       ; Z: the line stays open
  CP 95h                    ; ELSE
  JR NZ,PrintUsing_item
PrintUsing_end:
  PUSH HL
  PUSH AF
  CALL UsingScan
  POP AF
  POP HL
  JP Z,PrintStatement_done
  JP PrintStatement_newline

; Print the format's literal text up to its next field or its end.
; In: B of its C characters left. Out: NC: B past the field, which the
; USING cells describe, HL = them; carry: at the end. Keeps: C.
UsingScan:
  LD A,C                    ; DE = the place in the format, read from its
  SUB B                     ; descriptor each time (string space may have
  LD HL,(USINGDESC + 1)     ; been collected since)
  LD E,A
  LD D,0
  ADD HL,DE
  EX DE,HL
UsingScan_next:
  LD A,B
  CP 1
  RET C
  CALL UsingField
  RET NC
  LD A,(DE)
  CALL OutChar
  INC DE
  DEC B
  JR UsingScan_next
