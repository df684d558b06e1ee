; The identification byte at 0125h, then the routines behind RST 20 (type
; test) and RST 08 (syntax check).

; Machine identification: not 49h, so programs can tell this machine from
; the later model.
  AT IDBYTE
  DEFB 51h

; RST 20: type test of the number accumulator (40AFh: 2 integer,
; 3 string, 4 single, 8 double). Z string, M integer, P and C single,
; P and NC double; A = type - 3.
TypeTest:
  LD A,(TYPEFLAG)
  CP 8
  DEC A                     ; DEC keeps the carry of the compare
  DEC A
  DEC A
  RET

; RST 08: compare (HL) with the byte after the RST; on a match continue as
; RST 10 past it, else report a syntax error.
SyntaxCheck:
  LD A,(HL)
  EX (SP),HL
  CP (HL)
  INC HL
  EX (SP),HL
  JP Z,0010h
  JP SNError

