; IF/THEN/ELSE and ON n GOTO/GOSUB.
;
; RAM: none of their own.

; IF e THEN s|n [ELSE s|n], IF e GOTO n.
IfStatement:
  CALL Eval
  CALL AccIsTrue
  SBC A,A
  LD B,A                    ; FFh: false
  LD A,(HL)
  CP 0CAh                   ; THEN
  JR Z,IfStatement_then
  CP 8Dh                    ; GOTO
IfStatement_syntax:
  JP NZ,SNError
IfStatement_then:
  INC B
  JR Z,IfStatement_false
IfStatement_take:           ; HL at THEN, GOTO or ELSE
  CALL NextChar
  JR C,IfStatement_line     ; a line number
  DEC HL
  JP ExecStatement
IfStatement_false:          ; to the ELSE of this IF, or the end of the line
  LD C,1                    ; 1 + the IFs opened on the way
IfStatement_scan:
  INC HL
  LD A,(HL)
  OR A
  JP Z,ExecNext
  CP '"'
  JR Z,IfStatement_string
  CP 8Fh
  JR NZ,IfStatement_notif
  INC C
IfStatement_notif:
  CP 95h
  JR NZ,IfStatement_scan
  DEC C                     ; an inner IF's ELSE, or this one's
  JR Z,IfStatement_take
  JR IfStatement_scan
IfStatement_string:         ; HL after its closing quote, or at the 00
  INC HL
  CALL QuotedText
  DEC HL
  JR IfStatement_scan

IfStatement_line:           ; NextChar has found the digit already, and
  CALL DecimalToBinary      ; a jump needs no flags after the number
  JP GotoLineDE

; ON n GOTO/GOSUB l1,l2,...; ON ERROR GOTO n.
OnStatement:
  CP 9Eh                    ; ERROR
  JR NZ,OnStatement_value
  RST 10h
  JP OnErrorStatement
OnStatement_value:
  CALL EvalByte             ; A = n
  LD C,A
  LD A,(HL)
  LD B,A                    ; GOTO or GOSUB
  CP 8Dh
  JR Z,OnStatement_list
  CP 91h
  JR NZ,IfStatement_syntax
OnStatement_list:
  RST 10h
OnStatement_next:
  CALL ReadLineNumber        ; (keeps BC)
  DEC C
  JR Z,OnStatement_take     ; DE = the n-th line number
  CP ','
  JP NZ,ExecNext            ; past the list: on with the next statement
  RST 10h
  JR OnStatement_next
OnStatement_take:
  CALL SkipStatement        ; GOSUB comes back after the whole list
  LD A,B
  CP 91h
  JP Z,GosubLineDE
  JP GotoLineDE
