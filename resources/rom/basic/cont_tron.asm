; CONT, TRON and TROFF.
;
; RAM: CONTPTR, CONTLINE, CONTSP, CONTREDO (which run_loop.asm sets),
; TRACEON.

ContStatement:
  LD HL,(CONTPTR)
  LD A,H
  OR L
  JP Z,CNError
  LD SP,(CONTSP)
  LD DE,(CONTLINE)
  LD (CURLINE),DE
  LD DE,0
  LD (CONTPTR),DE
  LD A,(CONTREDO)           ; a statement cut short runs again
  OR A
  JP NZ,ExecStatement
ContStatement_next:
  JP ExecNext

TronStatement:
  LD A,1
  DEFB 0FEh                 ; CP n: skips the XOR A
TroffStatement:
  XOR A
  LD (TRACEON),A
  JR ContStatement_next
