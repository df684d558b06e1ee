; FOR/TO/STEP and NEXT. The loop's entry lies on the processor stack (see
; run_loop.asm); the test is made at NEXT, so the body runs at least once.
; A FOR on a variable that already has a loop drops that loop (and any
; inside it). Integer and single loop variables; a double variable counts
; in single precision on its upper half (the lower half is cleared).
;
; RAM: ARG (limit and step while FOR reads them), TEXTSAVE.

ForStatement:
  CALL LetAssign            ; DE = the variable, A = its type
  CP 3
  JP Z,TMError
  CP 8
  JR NZ,ForStatement_typed
  LD B,4                    ; a double: the loop works on its upper half
ForStatement_low:
  XOR A
  LD (DE),A
  INC DE
  DJNZ ForStatement_low
  LD A,4
ForStatement_typed:
  PUSH DE
  PUSH AF
  LD A,(HL)                 ; TO, tested here: RST 08h would step to the
  CP 0BDh                   ; next character, which Eval does again
  JP NZ,SNError
  INC HL
  CALL Eval
  POP AF
  PUSH AF
  CALL ForStatement_convert
  CALL FGetBCDE             ; the limit waits: double arithmetic uses ARG
  PUSH BC
  PUSH DE
  LD A,(HL)
  CP 0CCh                   ; STEP
  JR Z,ForStatement_stepvalue
  LD BC,8100h               ; none: 1 in the loop's type, made here, not
  LD D,C                    ; converted (a single 1 is 00 00 00 81h)
  LD A,(FORTYPE)
  CP 4
  LD E,C
  JR Z,ForStatement_step
  INC E
  JR ForStatement_step
ForStatement_stepvalue:
  INC HL
  CALL Eval
  LD A,(FORTYPE)
  CALL ForStatement_convert
  CALL FGetBCDE
ForStatement_step:          ; BCDE = the step
  LD (ARG+4),DE
  LD (ARG+6),BC
  POP DE
  LD (ARG),DE
  POP DE
  LD (ARG+2),DE
  POP AF
  POP DE
  PUSH HL                   ; drop a loop of the same variable
  LD HL,2
  ADD HL,SP
ForStatement_find:          ; HL at a frame; walked by HL, not IX
  PUSH DE
  CALL AtStackTop
  POP DE
  JR Z,ForStatement_new
  INC HL
  LD A,(HL)
  CP 81h
  JR NZ,ForStatement_new
  INC HL
  LD A,(HL)
  XOR E
  LD C,A
  INC HL
  LD A,(HL)
  XOR D
  OR C                      ; Z: the same variable
  LD BC,13
  ADD HL,BC                 ; the next frame (the flags stay)
  JR NZ,ForStatement_find
  POP BC
  LD SP,HL
  PUSH BC
ForStatement_new:
  POP HL
  CALL CheckStack
  LD BC,(CURLINE)
  PUSH BC
  PUSH HL
  LD BC,(ARG+2)
  PUSH BC
  LD BC,(ARG)
  PUSH BC
  LD BC,(ARG+6)
  PUSH BC
  LD BC,(ARG+4)
  PUSH BC
  PUSH DE
  LD A,(FORTYPE)
  LD C,A
  LD B,81h
  PUSH BC
  JP ExecNext
ForStatement_convert:       ; the ACC to type A (2 or 4)
  LD (FORTYPE),A
  PUSH HL
  LD HL,ReturnSaved         ; HL back, A = the character there
  PUSH HL
  CP 2
  JP Z,AccToInt
  JP AccToSingle

; NEXT [v[,v...]]
NextStatement:
  LD DE,0
  JR Z,NextStatement_find
NextStatement_var:          ; HL at a loop's variable
  CALL GetVar
  LD A,(VARTYPE)
  CP 8
  JR NZ,NextStatement_find
  INC DE
  INC DE
  INC DE
  INC DE
NextStatement_find:         ; DE = the variable, 0: the innermost loop
  LD (TEXTSAVE),HL
  LD HL,0
  ADD HL,SP
  LD BC,(STACKTOP)
NextStatement_entry:        ; HL at an entry of the BASIC stack
  LD A,L
  CP C
  JR NZ,NextStatement_check
  LD A,H
  CP B
  JP Z,NFError
NextStatement_check:
  INC HL
  LD A,(HL)
  CP 81h
  JP NZ,NFError
  INC HL                    ; at the loop's variable
  LD A,D
  OR E
  JR Z,NextStatement_found
  LD A,(HL)
  CP E
  JR NZ,NextStatement_other
  INC HL
  LD A,(HL)
  DEC HL
  CP D
  JR Z,NextStatement_found
NextStatement_other:
  LD A,L
  ADD A,14
  LD L,A
  JR NC,NextStatement_entry
  INC H
  JR NextStatement_entry
NextStatement_found:        ; HL at the entry's variable; walked by HL,
  DEC HL                    ; which is faster than IX
  DEC HL
  LD SP,HL                  ; loops inside this one end
  LD A,(HL)                 ; the type
  INC HL
  INC HL
  LD E,(HL)
  INC HL
  LD D,(HL)                 ; the variable
  INC HL                    ; at the step
  CP 2
  JR NZ,NextStatement_single
  LD C,(HL)
  INC HL
  LD B,(HL)
  EX DE,HL
  LD E,(HL)
  INC HL
  LD D,(HL)
  PUSH HL
  LD L,C
  LD H,B                    ; the step
  LD A,B                    ; the step's sign decides the test
  OR A
  ADC HL,DE
  JP PE,OVError
  EX DE,HL
  POP HL
  LD (HL),D
  DEC HL
  LD (HL),E
  LD HL,8
  ADD HL,SP
  LD C,(HL)
  INC HL
  LD H,(HL)
  LD L,C                    ; the limit
  BIT 7,A                   ; up: done when limit < value
  JR Z,NextStatement_intcompare
  EX DE,HL                  ; down: done when value < limit
NextStatement_intcompare:   ; done when HL < DE (signed)
  OR A
  SBC HL,DE
  LD A,H
  JP PO,NextStatement_intsign
  CPL                       ; overflow: the true sign is the other one
NextStatement_intsign:
  RLA
  JR C,NextStatement_done
  JR NextStatement_loop
NextStatement_single:
  PUSH DE                   ; the variable
  PUSH HL
  EX DE,HL
  LD E,(HL)
  INC HL
  LD D,(HL)
  INC HL
  LD C,(HL)
  INC HL
  LD B,(HL)
  CALL FLoadBCDE
  POP HL
  LD E,(HL)
  INC HL
  LD D,(HL)
  INC HL
  LD C,(HL)
  INC HL
  LD B,(HL)                 ; the step
  CALL FAdd
  POP DE
  LD HL,FAC
  LDI                       ; (faster than LDIR)
  LDI
  LDI
  LDI
  LD HL,8
  ADD HL,SP
  LD E,(HL)
  INC HL
  LD D,(HL)
  INC HL
  LD C,(HL)
  INC HL
  LD B,(HL)                 ; the limit
  CALL FCompare             ; limit ? value: 1, 0, FFh
  LD HL,6
  ADD HL,SP
  BIT 7,(HL)                ; the step's sign
  JR Z,NextStatement_up
  NEG
NextStatement_up:
  OR A
  JP M,NextStatement_done
NextStatement_loop:
  LD HL,12
  ADD HL,SP
  LD E,(HL)
  INC HL
  LD D,(HL)                 ; the text pointer
  INC HL
  LD A,(HL)
  INC HL
  LD H,(HL)
  LD L,A
  LD (CURLINE),HL
  EX DE,HL
  JP ExecNext
NextStatement_done:
  LD HL,16
  ADD HL,SP
  LD SP,HL
  LD HL,(TEXTSAVE)
  LD A,(HL)
  CP ','
  JP NZ,ExecNext
  RST 10h
  JP NextStatement_var
