; One item of INPUT or READ into its variable (input.asm).
;
; RAM: none of its own.

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
