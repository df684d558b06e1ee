; ON ERROR GOTO n (0 disarms; inside the trap it reports the error at
; once), ERROR n, RESUME, RESUME NEXT, RESUME n.
;
; RAM: ERRTRAP, ERRLINE, ERRCODE, ERRPTR, INTRAP (owned by errors.asm).

; ON ERROR GOTO n (from ON). In: HL after ERROR. Out: -. Keeps: -.
OnErrorStatement:
  RST 08h
  DEFB 8Dh                  ; GOTO
  CALL ReadLineNumber
  LD (ERRTRAP),DE
  LD A,D
  OR E
  JR NZ,ResumeStatement_exec
  LD A,(INTRAP)             ; ON ERROR GOTO 0 inside the trap: report it
  OR A
  JR Z,ResumeStatement_exec
  LD A,(ERRCODE)             ; (the trap is 0 already)
  LD E,A
OnErrorStatement_error:
  JP BasicError

; ERROR n. In: HL at n. Out: -.
ErrorStatement:
  CALL EvalByte
  OR A
  JP Z,FCError
  LD E,A
  JR OnErrorStatement_error

; RESUME, RESUME NEXT, RESUME n. In: HL after RESUME, A = next char.
ResumeStatement:
  LD B,A
  LD A,(INTRAP)             ; 1 inside the trap, else 0
  DEC A
  JP NZ,RWError
  LD (INTRAP),A
  LD A,B
  LD DE,(ERRLINE)
  LD (CURLINE),DE
  OR A
  JR Z,ResumeStatement_same
  CP ':'
  JR Z,ResumeStatement_same
  CP 87h                    ; NEXT
  JP NZ,GotoStatement       ; RESUME n
  LD HL,(ERRPTR)
  RST 10h
  CALL SkipStatement
ResumeStatement_exec:
  JP ExecNext
ResumeStatement_same:       ; the statement that failed, again
  LD HL,(ERRPTR)
  JP ExecStatement
