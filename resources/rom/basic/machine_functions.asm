; The functions of the machine and the interpreter: PEEK, INP, POS, MEM,
; FRE, ERL, ERR, VARPTR, USR, RND (functions.asm describes how functions
; are entered).
;
; RAM: ERRCODE, ERRLINE (read); FRE and MEM read the memory pointers.

PeekFunction:               ; '(' address ')'
  CALL OpenParen
  CALL EvalAddress
  RST 08h
  DEFB ')'
  PUSH HL
  EX DE,HL
  LD L,(HL)
  JR ErrFunction_high

InpFunction:
  CALL NumericArgument
  PUSH HL
  CALL AccToByte
  LD C,A
  IN L,(C)
  JR VarptrFunction_int

PosFunction:
  CALL ParenArgument
  PUSH HL
  CALL OutputColumn
  JR ErrFunction_none

MemFunction:
  PUSH HL
  JR FreFunction_memory

; HL = free bytes between the arrays and the stack. Keeps: -.
FreeMemory:
  LD HL,0
  ADD HL,SP
  LD DE,(STREND)
  OR A
FreeMemory_sub:             ; HL - DE - carry, 0 when negative
  SBC HL,DE
  RET NC
  LD HL,0
  RET

FreFunction:
  CALL ParenArgument
  PUSH HL
  RST 20h
  JR NZ,FreFunction_memory
  CALL PopStringDescriptor  ; its temporary is free again
  CALL CollectGarbage
  LD HL,(STRNEXT)
  LD DE,(STRSPACE)
  OR A
  SBC HL,DE
  INC HL
  JR ErlFunction_unsigned
FreFunction_memory:
  CALL FreeMemory
  JR ErlFunction_unsigned

ErlFunction:
  PUSH HL
  LD HL,(ERRLINE)
ErlFunction_unsigned:
  JP ReturnUnsigned

ErrFunction:
  PUSH HL
  LD A,(ERRCODE)
  OR A
  JR Z,ErrFunction_none
  DEC A
  ADD A,A
ErrFunction_none:
  LD L,A
ErrFunction_high:
  LD H,0
  JR VarptrFunction_int

; VARPTR(v): the address of v's value (negative above 32767).
VarptrFunction:
  CALL OpenParen
  CALL GetVar
  RST 08h
  DEFB ')'
  PUSH HL
  EX DE,HL
VarptrFunction_int:
  JP ReturnInt

; USR(n): calls the routine at (408Eh). It reads n through 0A7Fh and
; returns a value by JP 0A9Ah; after a plain RET the value is n.
UsrFunction:
  CALL NumericArgument
  PUSH HL
  LD HL,ReturnSaved         ; where its RET comes back to
  PUSH HL
  LD HL,(408Eh)
  JP (HL)

; RND(0): a single in (0,1); RND(n): an integer 1..n.
RndFunction:
  CALL NumericArgument
  PUSH HL
  CALL AccToInt
  PUSH HL
  CALL NextRandom           ; FAC = a single in (0,1)
  POP HL
  LD A,H
  OR L
  JP Z,ReturnSaved
  BIT 7,H
  JP NZ,FCError
  CALL IntOverAcc
  CALL FMul
  CALL FFix
  CALL SingleToInt
  INC HL
  JR VarptrFunction_int
