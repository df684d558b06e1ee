; LET, DIM and the DEF type statements (DEFSTR, DEFINT, DEFSNG, DEFDBL);
; variables.asm describes the variables' and arrays' layout.
;
; RAM: VARTYPE, DIMFLAG, DEFTABLE, TYPEFLAG.

; v = expression, not yet stored. In: HL at v. Out: DE = the variable's
; address, A = its type, HL after the expression, the ACC its value.
; Keeps: nothing.
LetValue:
  CALL GetVar
  CP 0D5h                   ; '=': GetVar leaves A at it, so the test is
  JP NZ,SNError             ; made here, not by RST 08h (whose step to the
  INC HL                    ; next character Eval makes again)
  PUSH DE
  LD A,(VARTYPE)
  PUSH AF
  CALL Eval
  POP AF
  POP DE
  RET

; LET v = expression (the word LET is optional). The store returns
; straight to the next statement: a LET is the most common statement.
LetStatement:
LetStatement_letter:
  LD DE,ExecNext
  PUSH DE
  CALL LetValue             ; on into AssignAcc

; Store the ACC into a variable. In: DE = its address, A = its type.
; Out: -. Keeps: HL.
AssignAcc:
  PUSH HL
  CP 4                      ; a single, the most common, first
  JR NZ,AssignAcc_other
  LD HL,TYPEFLAG            ; mostly a single value too: no conversion
  CP (HL)                   ; called
  JR NZ,AssignAcc_convert
AssignAcc_single:
  LD HL,FAC
  LDI                       ; (faster than LDIR)
  LDI
  LDI
  LDI
  POP HL
  RET
AssignAcc_convert:
  PUSH DE
  CALL AccToSingle
  POP DE
  JR AssignAcc_single
AssignAcc_other:
  CP 3
  JR Z,AssignAcc_string
  CP 2
  JR Z,AssignAcc_int
  PUSH DE                   ; a double
  CALL AccToDouble
  POP DE
  LD HL,DFAC
  LD BC,8
  LDIR
  POP HL
  RET
AssignAcc_int:
  CALL AccToInt             ; (keeps DE)
  EX DE,HL
  LD (HL),E
  INC HL
  LD (HL),D
  POP HL
  RET
AssignAcc_string:
  RST 20h                   ; Z for a string
  JP NZ,TMError
  CALL StoreString
  POP HL
  RET

; DIM a(n[,m...])[,b(...)...]
DimStatement:
  LD A,1
  LD (DIMFLAG),A
  CALL GetVar
  XOR A
  LD (DIMFLAG),A
  LD A,(HL)
  CP ','
  JP NZ,ExecNext
  RST 10h
  JR DimStatement

; DEFSTR/DEFINT/DEFSNG/DEFDBL letter[-letter][,...]
DefStrStatement:
  LD C,3
  DEFB 11h                  ; LD DE,nn: skips the next LD C,n
DefIntStatement:
  LD C,2
  DEFB 11h
DefSngStatement:
  LD C,4
  DEFB 11h
DefDblStatement:
  LD C,8
DefStatement:
  LD A,(HL)
  CALL IsLetter
DefStatement_letter:
  JP NC,SNError
  LD B,A
  LD E,A                    ; the last letter of the range
  RST 10h
  CP 0CEh                   ; '-'
  JR NZ,DefStatement_set
  RST 10h
  CALL IsLetter
  JR NC,DefStatement_letter ; (no carry: ?SN there)
  LD E,A
  RST 10h
DefStatement_set:
  PUSH HL
  LD A,B
  ADD A,LOW (DEFTABLE - 'A')
  LD L,A
  LD H,HIGH DEFTABLE        ; the table does not cross a page
  LD A,E
  SUB B
  JP C,SNError
  INC A
  LD B,A
DefStatement_fill:
  LD (HL),C
  INC HL
  DJNZ DefStatement_fill
  POP HL
  LD A,(HL)
  CP ','
  JP NZ,ExecNext
  RST 10h
  JR DefStatement
