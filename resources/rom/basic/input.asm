; INPUT, READ, DATA items and RESTORE.
;
; INPUT ["prompt";] v[,v...]: "? " (or the prompt and "? "), a line from
; the keyboard, its items separated by ','; "?? " asks for more, "?REDO"
; starts the statement again after a non-number for a numeric item,
; "?EXTRA IGNORED" reports items left over. Not in direct mode (?ID).
; READ takes the DATA items in the order of the program; RESTORE starts
; again at the first.
;
; RAM: DATAPTR (the character after the last DATA item read, or a 00 byte
; before the line where the search goes on), INPTEXT (INPUT's place in the
; program while a line is typed).

InputStatement:
  CALL CurLineDirect
  JP Z,IDError
  LD A,(HL)
  CP '"'
  JR NZ,InputStatement_noprompt
  CALL StringLiteral
  PUSH HL
  CALL PrintAccString
  POP HL
  RST 08h
  DEFB ';'
InputStatement_noprompt:
  LD (INPTEXT),HL
  LD HL,QuestionText
InputStatement_ask:
  CALL PrintString
  CALL InputLine
  JR NC,InputStatement_var
  LD A,1                    ; BREAK: CONT asks again
  LD (CONTREDO),A
  LD HL,(STMTPTR)
  JP BreakKey_wait
InputStatement_var:
  CALL SkipBlanks
  OR A
  JR NZ,InputStatement_have
  LD HL,MoreText            ; the line ran out: "?? " and another line
  JR InputStatement_ask
InputStatement_have:
  PUSH HL                   ; the typed text
  LD HL,(INPTEXT)
  CALL GetVar
  LD (INPTEXT),HL
  POP HL
  LD A,(VARTYPE)
  LD C,','
  CALL TakeItem
  JR NC,InputStatement_taken
  LD HL,RedoText
  CALL PrintString
  LD HL,(STMTPTR)
  JP ExecStatement
InputStatement_taken:       ; HL = the typed text
  EX DE,HL
  LD HL,(INPTEXT)
  LD A,(HL)
  CP ','
  EX DE,HL                  ; DE = the program text
  JR NZ,InputStatement_done
  INC DE
  LD (INPTEXT),DE
  LD A,(HL)
  CP ','
  JR NZ,InputStatement_var
  INC HL
  JR InputStatement_var
InputStatement_done:
  CALL SkipBlanks
  OR A
  JR Z,InputStatement_end
  LD HL,ExtraText
  CALL PrintString
InputStatement_end:
  LD HL,(INPTEXT)
  JP ExecNext
