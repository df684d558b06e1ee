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

; One item at HL for the variable at DE of type A; C = a second
; character that ends an unquoted item (':' in DATA, ',' in INPUT).
; Out: HL after the item and its blanks; carry when it is no valid item.
; Keeps: -.
TakeItem:
  PUSH DE
  PUSH AF
  CALL SkipBlanks
  POP AF
  CP 3
  JR Z,TakeItem_string
  PUSH AF
  PUSH BC
  CALL ReadNumber
  POP BC
  CALL SkipBlanks
  CALL TakeItem_end
  POP BC                    ; B = the type
  POP DE
  SCF
  RET NZ                    ; more than a number: no valid item
  LD A,B
TakeItem_assign:
  CALL AssignAcc
  OR A
  RET
TakeItem_string:
  LD A,(HL)
  CP '"'
  JR NZ,TakeItem_plain
  INC HL
  CALL QuotedText
  CALL SkipBlanks           ; (stays at a 00)
  JR TakeItem_made
TakeItem_plain:
  LD D,H
  LD E,L
  LD B,0
TakeItem_scan:
  LD A,(HL)
  CALL TakeItem_end
  JR Z,TakeItem_trim
  INC HL
  INC B
  JR TakeItem_scan
TakeItem_trim:              ; trailing blanks are not part of it; HL =
  PUSH HL                   ; DE + B, just after the item
TakeItem_back:
  LD A,B
  OR A
  JR Z,TakeItem_trimmed
  DEC HL
  LD A,(HL)
  CP ' '
  JR NZ,TakeItem_trimmed
  DEC B
  JR TakeItem_back
TakeItem_trimmed:
  POP HL
TakeItem_made:
  PUSH HL
  CALL MakeTemp
  POP HL
  POP DE
  LD A,3
  JR TakeItem_assign
; Z when A ends an item: 00, ',' or C.
TakeItem_end:
  OR A
  RET Z
  CP ','
  RET Z
  CP C
  RET
