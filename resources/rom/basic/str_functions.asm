; String functions: LEN ASC CHR$ STR$ STRING$ INKEY$ VAL LEFT$ RIGHT$
; MID$. Entered like the numeric ones (functions.asm). LEFT$, RIGHT$ and
; MID$ give a descriptor on the same text; the collection of garbage moves
; such a part with the text it lies in, and keeps it alone when that
; string is gone.
;
; RAM: SCRATCH+7 (a one-character string), INKEYLAST.

LenFunction:
  CALL StringArgument
  LD L,B
  JR AscFunction_int

AscFunction:
  CALL StringArgument
  LD A,B
  OR A
  JP Z,FCError
  LD L,(HL)
AscFunction_int:
  JP ErrFunction_high       ; H = 0, then the integer L

; '(' string ')'. Out: B = its length, HL = its text, DE = its
; descriptor; the text pointer (after ')') pushed under the return
; address, for ReturnSaved.
StringArgument:
  CALL ParenArgument
  RST 20h
  JP NZ,TMError
  EX (SP),HL
  PUSH HL
  JP PopStringDescriptor

; STRING$(n,"c") or STRING$(n,code)
StringFunction:
  CALL OpenParen
  CALL EvalByte
  PUSH AF
  RST 08h
  DEFB ','
  CALL Eval
  RST 08h
  DEFB ')'
  POP BC                    ; B = n
  PUSH HL
  RST 20h
  JR NZ,StringFunction_code
  PUSH BC
  CALL PopStringDescriptor
  LD A,B
  POP BC
  OR A
  JP Z,FCError              ; no character to repeat
  LD A,(HL)
  JR StringFunction_fill
StringFunction_code:
  CALL AccToByte
StringFunction_fill:
  LD C,A
  LD A,B
  CALL AllocString
  LD D,H
  LD E,L
  PUSH BC
  INC B                     ; n = 0 stores nothing
  JR StringFunction_count
StringFunction_store:
  LD (HL),C
  INC HL
StringFunction_count:
  DJNZ StringFunction_store
  POP BC
  JR SubstringMade

; INKEY$: the key pressed since the last look, "" when none.
InkeyFunction:
  PUSH HL
  LD HL,INKEYLAST
  LD A,(HL)
  LD (HL),0
  OR A
  CALL Z,KBSCAN
  OR A
  JR NZ,ChrFunction_single
  LD B,A                    ; no key: ""
  JR ChrFunction_one

ValFunction:
  CALL StringArgument       ; B, HL
  LD E,B
  LD D,0
  PUSH HL
  ADD HL,DE
  LD A,(HL)
  LD (HL),0                 ; the text ends here for a moment
  EX (SP),HL
  PUSH AF
  CALL ReadNumber
  POP AF
  POP HL
  LD (HL),A
  JP ReturnSaved

; LEFT$(s,n), RIGHT$(s,n), MID$(s,p[,n]): the part of s as a new
; descriptor on the same text.
LeftFunction:
  CALL StringAndCount       ; DE = descriptor, C = n
  PUSH HL
  XOR A                     ; from the first character
  JR MidFunction_take

RightFunction:
  CALL StringAndCount
  PUSH HL
  SUB C                     ; the start offset
  JR MidFunction_take

MidFunction:
  CALL StringAndOffset
  OR A
  JP Z,FCError
  PUSH DE
  PUSH AF
  LD C,255
  LD A,(HL)
  CP ','
  JR NZ,MidFunction_all
  RST 10h
  CALL EvalByte
  LD C,A
MidFunction_all:
  RST 08h
  DEFB ')'
  POP AF                    ; p
  POP DE                    ; descriptor
  PUSH HL
  DEC A                     ; offset
  LD B,A
  LD A,(DE)
  SUB B                     ; characters from p on
  JR NC,MidFunction_some
  XOR A
MidFunction_some:
  CP C
  JR NC,MidFunction_len
  LD C,A
MidFunction_len:
  LD A,B
MidFunction_take:           ; A = the offset, C = the length, DE = descriptor
  LD B,A
  CALL ReleaseTemp          ; the part may take the argument's place
  LD A,B
  LD B,C
  EX DE,HL
  INC HL
  ADD A,(HL)
  LD E,A
  INC HL
  LD D,(HL)
  JR NC,SubstringMade
  INC D
SubstringMade:              ; B bytes at DE, the text pointer on the stack
  CALL MakeTemp
  JP ReturnSaved

ChrFunction:
  CALL NumericArgument
  PUSH HL
  CALL AccToByte
ChrFunction_single:
  LD B,1
ChrFunction_one:            ; B characters (0 or 1): A
  LD (SCRATCH+7),A
  LD HL,SCRATCH+7
ReturnNewString:            ; a copy of the B bytes at HL
  EX DE,HL
  LD A,B
  CALL AllocString          ; (keeps BC DE)
  EX DE,HL
  PUSH DE
  PUSH BC
  LD C,B
  CALL CopyBytes
  POP BC
  POP DE
  JR SubstringMade

StrFunction:
  CALL NumericArgument
  PUSH HL
  CALL NumberToText         ; HL = NUMTEXT
  PUSH HL
  LD B,-1
StrFunction_length:
  LD A,(HL)
  INC HL
  INC B
  OR A
  JR NZ,StrFunction_length
  POP HL
  JR ReturnNewString
