; Functions: entered by a jump with HL just after the function's token;
; they leave the result in the ACC and return with HL at the next non-blank
; character, A = it. Disk functions jump to their RAM vectors.
;
; RAM: RNDSEED, INKEYLAST, ERRCODE, ERRLINE.

; The functions' addresses: SGN to MID$ (D7h-FAh), then FN to INKEY$
; (BEh-C9h); TAB( and TO, and the tokens from THEN to '<', are no
; functions, and the evaluator answers ?SN for them without a table entry.
FunctionTable:
  DEFW SgnFunction          ; D7 SGN
  DEFW IntFunction          ; D8 INT
  DEFW AbsFunction          ; D9 ABS
  DEFW FreFunction          ; DA FRE
  DEFW InpFunction          ; DB INP
  DEFW PosFunction          ; DC POS
  DEFW MathFunction         ; DD SQR
  DEFW RndFunction          ; DE RND
  DEFW MathFunction         ; DF LOG
  DEFW MathFunction         ; E0 EXP
  DEFW MathFunction         ; E1 COS
  DEFW MathFunction         ; E2 SIN
  DEFW MathFunction         ; E3 TAN
  DEFW MathFunction         ; E4 ATN
  DEFW PeekFunction         ; E5 PEEK
  DEFW 4152h                ; E6 CVI
  DEFW 4158h                ; E7 CVS
  DEFW 415Eh                ; E8 CVD
  DEFW 4161h                ; E9 EOF
  DEFW 4164h                ; EA LOC
  DEFW 4167h                ; EB LOF
  DEFW 416Ah                ; EC MKI$
  DEFW 416Dh                ; ED MKS$
  DEFW 4170h                ; EE MKD$
  DEFW CintFunction         ; EF CINT
  DEFW CsngFunction         ; F0 CSNG
  DEFW CdblFunction         ; F1 CDBL
  DEFW FixFunction          ; F2 FIX
  DEFW LenFunction          ; F3 LEN
  DEFW StrFunction          ; F4 STR$
  DEFW ValFunction          ; F5 VAL
  DEFW AscFunction          ; F6 ASC
  DEFW ChrFunction          ; F7 CHR$
  DEFW LeftFunction         ; F8 LEFT$
  DEFW RightFunction        ; F9 RIGHT$
  DEFW MidFunction          ; FA MID$
  DEFW 4155h                ; BE FN
  DEFW SNError              ; BF USING (only in PRINT)
  DEFW VarptrFunction       ; C0 VARPTR
  DEFW UsrFunction          ; C1 USR
  DEFW ErlFunction          ; C2 ERL
  DEFW ErrFunction          ; C3 ERR
  DEFW StringFunction       ; C4 STRING$
  DEFW 419Dh                ; C5 INSTR
  DEFW PointFunction        ; C6 POINT
  DEFW 4176h                ; C7 TIME$
  DEFW MemFunction          ; C8 MEM
  DEFW InkeyFunction        ; C9 INKEY$

; A numeric argument in parentheses. Out: ACC, HL after ')', A = the
; next character. Keeps: -.
NumericArgument:
  CALL ParenArgument
  CALL NumericAcc
  LD A,(HL)
  RET

; Return the integer HL, with the text pointer on the stack.
ReturnInt:
  CALL StoreInt
ReturnSaved:
  POP HL
  LD A,(HL)
  RET

; Return HL (0..65535): an integer up to 32767, else a single.
ReturnUnsigned:
  BIT 7,H
  JR Z,ReturnInt
  CALL UIntToSingle
  JR ReturnSaved

SgnFunction:
  CALL NumericArgument
  PUSH HL
  LD HL,0
  CALL AccIsTrue            ; carry for 0
  JR C,ReturnInt
  CALL AccSignByte
  INC HL
  RLA
  JR NC,ReturnInt
  DEC HL
  DEC HL
  JR ReturnInt

; In: ACC a number. Out: A = the byte that holds its sign (bit 7).
; Keeps: BC DE HL.
AccSignByte:
  LD A,(TYPEFLAG)
  CP 2
  LD A,(FAC+1)
  RET Z
  LD A,(FAC+2)
  RET

IntFunction:
  LD BC,FInt
  LD DE,DInt
  JR ByType

FixFunction:
  LD BC,FFix
  LD DE,DFix
; A numeric argument, then the routine at BC for a single or at DE for a
; double; an integer stays as it is (and returns as NumericArgument).
ByType:
  PUSH BC
  PUSH DE
  CALL NumericArgument
  POP DE
  POP BC
  RST 20h
  RET M                     ; an integer
  JR C,ByConversion_call    ; a single
  LD B,D
  LD C,E
  JR ByConversion_call

AbsFunction:
  CALL NumericArgument
  PUSH HL
  CALL AccSignByte
  OR A
  CALL M,NegateAcc          ; -32768 becomes the single 32768
  JR ReturnSaved

CintFunction:
  LD BC,AccToInt            ; (it leaves the ACC an integer)
  JR ByConversion

CsngFunction:
  LD BC,AccToSingle
  JR ByConversion

CdblFunction:
  LD BC,AccToDouble
; A numeric argument through the conversion at BC.
ByConversion:
  PUSH BC
  CALL NumericArgument
  POP BC
ByConversion_call:          ; the routine at BC, back to ReturnSaved
  PUSH HL
  LD HL,ReturnSaved
  PUSH HL
  LD H,B
  LD L,C
  JP (HL)

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
