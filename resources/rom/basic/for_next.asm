; FOR/TO/STEP and NEXT. The loop's entry lies on the processor stack (see
; run_loop.asm); the test is made at NEXT, so the body runs at least once.
; A FOR on a variable that already has a loop drops that loop (and any
; inside it). Integer and single loop variables; a double variable counts
; in single precision on its upper half (the lower half is cleared).
;
; NEXT keeps the step's sign in AF', and the limit and the variable's
; address in the other register set while FAdd works (neither FAdd nor
; FCompare touches the second set).
;
; RAM: FORTYPE (the loop's type while FOR reads it), TEXTSAVE.

ForStatement:
  CALL LetValue             ; DE = the variable, A = its type; the start
  PUSH DE                   ; is stored as LET stores it
  PUSH AF
  CALL AssignAcc
  POP AF
  POP DE
  CP 3
  JP Z,TMError
  LD (FORTYPE),A
  PUSH HL                   ; a loop of the same variable ends first (and
  LD HL,2                   ; those inside it), so that the new entry is
  ADD HL,SP                 ; built in place
  CALL LoopFind
  JR NZ,ForStatement_new
  LD BC,16
  ADD HL,BC
  POP BC
  LD SP,HL
  PUSH BC
ForStatement_new:
  POP HL
  CALL CheckStack
  LD BC,(CURLINE)
  PUSH BC                   ; the entry from its top: the line, then the
  PUSH DE                   ; variable, in the text pointer's place until
  LD A,(FORTYPE)            ; the statement's end is known
  CP 8                      ; a double counts on its upper half: the
  JR NZ,ForStatement_typed  ; lower one is cleared (the entry keeps its
  LD B,4                    ; address and type 8)
  XOR A
ForStatement_low:
  LD (DE),A
  INC DE
  DJNZ ForStatement_low
ForStatement_typed:
  LD A,(HL)                 ; TO, tested here: RST 08h would step to the
  CP 0BDh                   ; next character, which Eval does again
  JP NZ,SNError
  INC HL
  CALL Eval
  CALL ForStatement_convert
  CALL FGetBCDE
  PUSH BC
  PUSH DE                   ; the limit
  LD A,(HL)
  CP 0CCh                   ; STEP
  JR Z,ForStatement_stepvalue
  LD BC,8100h               ; none: 1 in the loop's type, made here, not
  LD D,C                    ; converted (a single 1 is 00 00 00 81h)
  LD A,(FORTYPE)
  CP 2
  LD E,C
  JR NZ,ForStatement_step
  INC E
  JR ForStatement_step
ForStatement_stepvalue:
  INC HL
  CALL Eval
  CALL ForStatement_convert
  CALL FGetBCDE
ForStatement_step:          ; BCDE = the step
  PUSH BC
  PUSH DE
  EX DE,HL
  LD HL,8
  ADD HL,SP
  LD C,(HL)
  LD (HL),E
  INC HL
  LD B,(HL)
  LD (HL),D                 ; the text pointer in, the variable out
  PUSH BC
  EX DE,HL
  LD A,(FORTYPE)
  LD C,A
  LD B,81h
  PUSH BC
  JP ExecNext
ForStatement_convert:       ; the ACC to the loop's type (2, else single)
  LD A,(FORTYPE)
  PUSH HL
  LD HL,ReturnSaved         ; HL back, A = the character there
  PUSH HL
  CP 2
  JP Z,AccToInt
  JP AccToSingle

; The FOR entry of a variable on the BASIC stack (for FOR and NEXT).
; In: HL at an entry, DE = the variable (0: any). Out: Z and HL at the
; entry; NZ when a GOSUB entry or the stack's top comes first. Keeps: DE.
LoopFind:
  LD BC,(STACKTOP)
LoopFind_entry:
  LD A,L
  CP C
  JR NZ,LoopFind_check
  LD A,H
  XOR B
  JR NZ,LoopFind_check
  DEC A                     ; the top: NZ
  RET
LoopFind_check:
  INC HL
  LD A,(HL)
  CP 81h
  RET NZ
  INC HL                    ; at the loop's variable
  LD A,D
  OR E
  JR Z,LoopFind_found
  LD A,(HL)
  CP E
  JR NZ,LoopFind_other
  INC HL
  LD A,(HL)
  DEC HL
  CP D
  JR Z,LoopFind_found
LoopFind_other:
  LD A,L
  ADD A,14
  LD L,A
  JR NC,LoopFind_entry
  INC H
  JR LoopFind_entry
LoopFind_found:
  DEC HL
  DEC HL
  RET

; NEXT's slow way: a name GetVar reads, the loop looked for along the
; stack.
NextStatement_any:
  LD DE,0                   ; (ahead of it, within JR reach)
NextStatement_find:         ; DE = the variable, 0: the innermost loop
  LD (TEXTSAVE),HL
  LD HL,0
  ADD HL,SP
  CALL LoopFind
  JP NZ,NFError
  LD SP,HL                  ; loops inside this one end
  POP DE
  POP HL
  LD A,E
  JR NextStatement_typed
NextStatement_back:         ; the innermost entry goes back on the stack
  LD HL,-4
  ADD HL,SP
  LD SP,HL
NextStatement_slow:
  LD HL,(TEXTSAVE)
NextStatement_named:        ; HL after the name's first character
  DEC HL
  CALL GetVar
  JR NextStatement_find

; NEXT [v[,v...]]. Most NEXTs name the innermost loop's variable by one
; letter: that name is matched against the entry's variable itself (its
; letter, no second character, the letter's default type, which is also
; the loop's type), without GetVar's search. Any other name, or a loop
; further out, takes GetVar and the walk along the stack.
NextStatement:
  JR Z,NextStatement_any
NextStatement_var:          ; HL at a name, A = its first character
  LD C,A
  INC HL
  LD A,(HL)
  OR A                      ; as in GetVar: the end, ':', ',' or a token
  JR Z,NextStatement_short  ; ends a name of one letter without a suffix
  CP ':'
  JR Z,NextStatement_short
  CP ','
  JR Z,NextStatement_short
  CP 'Z' + 1
  JR C,NextStatement_named
NextStatement_short:        ; the name C (perhaps no letter), HL after it
  LD (TEXTSAVE),HL
  LD A,C
  IF (LOW DEFTABLE) = 1
  SUB 'A' - 1
  ELSE
  ADD A,LOW DEFTABLE - 'A'
  ENDIF
  LD L,A
  LD H,HIGH DEFTABLE
  LD B,(HL)                 ; the type the name stands for
  LD HL,(STACKTOP)
  OR A
  SBC HL,SP
  JR Z,NextStatement_slow   ; no loop: GetVar first (?SN before ?NF)
  POP DE                    ; E the type, D 81h for a loop
  POP HL                    ; the variable (an entry's value: its letter
  LD A,D                    ; is a letter, so C is one when it matches)
  CP 81h
  JR NZ,NextStatement_back
  LD A,E
  CP B
  JR NZ,NextStatement_back
  DEC HL
  LD A,(HL)
  CP C
  JR NZ,NextStatement_back
  DEC HL
  LD A,(HL)
  OR A
  JR NZ,NextStatement_back
  INC HL
  INC HL
  LD BC,(ARYTAB)            ; and it lies below the arrays: an element
  LD A,L                    ; (FOR A(1)=...) may have a letter and a 00
  SUB C                     ; before it by chance
  LD A,H
  SBC A,B
  JR NC,NextStatement_back
  LD A,E
NextStatement_typed:        ; SP at the entry's step, HL = the variable,
  CP 4                      ; A = the loop's type
  JR NZ,NextStatement_other
NextStatement_single:
  LD DE,FAC
  LDI                       ; the ACC = the variable, HL after it
  LDI
  LDI
  LDI
  EXX
  POP DE
  POP BC                    ; the step, in the other set for FAdd
  LD A,C
  EX AF,AF'                 ; its sign decides the test
  EXX
  POP DE
  POP BC                    ; the limit; SP at the entry's text pointer
  EXX                       ; (the calls' return addresses overwrite the
  CALL FAdd                 ; limit's high word on the stack: BC keeps
  EXX                       ; it for the loop)
  LD A,(FAC+3)
  DEC HL
  LD (HL),A
  LD A,(FAC+2)
  DEC HL
  LD (HL),A
  LD A,(FAC+1)
  DEC HL
  LD (HL),A
  LD A,(FAC)
  DEC HL
  LD (HL),A
  CALL FCompare             ; limit ? value: 1, 0, FFh
  LD L,A
  EX AF,AF'
  RLA
  LD A,L
  JR NC,NextStatement_up
  NEG
NextStatement_up:
  OR A
  JP M,NextStatement_done
  PUSH BC                   ; the limit's high word back in the entry
  POP BC
NextStatement_loop:         ; SP at the entry's text pointer
  POP DE
  POP HL
  LD (CURLINE),HL
  LD HL,-16
  ADD HL,SP
  LD SP,HL                  ; the entry stays
  EX DE,HL
  JP ExecNext
NextStatement_other:
  CP 2
  JR Z,NextStatement_int
  INC HL                    ; a double counts on its upper half
  INC HL
  INC HL
  INC HL
  JR NextStatement_single
NextStatement_int:          ; HL = the variable, SP at the step
  POP BC
  LD E,(HL)
  INC HL
  LD D,(HL)
  EX DE,HL
  LD A,B                    ; the step's sign decides the test
  OR A
  ADC HL,BC
  JP PE,OVError
  EX DE,HL
  LD (HL),D
  DEC HL
  LD (HL),E
  POP HL                    ; (the step's unused half)
  POP HL                    ; the limit
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
  POP HL                    ; (the limit's unused half; the carry stays)
  JR NC,NextStatement_loop
NextStatement_done:         ; SP at the entry's text pointer
  POP HL
  POP HL                    ; the entry ends
  LD HL,(TEXTSAVE)
  LD A,(HL)
  CP ','
  JP NZ,ExecNext
  RST 10h
  JP NextStatement_var
