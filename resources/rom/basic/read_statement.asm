; READ and RESTORE; DATA items are taken as INPUT takes typed ones
; (input.asm).
;
; RAM: DATAPTR (input.asm describes it).

ReadStatement:
  CALL GetVar
  PUSH HL                   ; the program text
  PUSH DE
  LD HL,(DATAPTR)
  CALL FindData
  POP DE
  LD A,(VARTYPE)
  LD C,':'
  CALL TakeItem
  JP C,SNError
  LD (DATAPTR),HL
  POP HL
  LD A,(HL)
  CP ','
  JR NZ,RestoreStatement_next
  INC HL
  JR ReadStatement

; The next DATA item from HL (= DATAPTR). Out: HL at it. ?OD at the end.
; Keeps: C.
FindData:
  LD A,(HL)
  CP ','
  JR NZ,FindData_search
  INC HL
  RET
FindData_search:
  LD A,(HL)
  OR A
  JR Z,FindData_line
  INC HL
  CP 88h                    ; DATA
  RET Z
  CP '"'
  JR NZ,FindData_search
  CALL QuotedText           ; (DE and B are free here)
  JR FindData_search
FindData_line:
  INC HL
  LD A,(HL)
  INC HL
  OR (HL)
  JP Z,ODError
  INC HL
  INC HL
  INC HL
  JR FindData_search

RestoreStatement:
  PUSH HL
  LD HL,(TXTTAB)
  DEC HL
  LD (DATAPTR),HL
  POP HL
RestoreStatement_next:
  JP ExecNext
