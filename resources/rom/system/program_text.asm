; The program text: lines of link (2 bytes), line number (2 bytes),
; tokenised text and a 00 byte, from (40A4h) up to a link of 0000; (40F9h)
; points after that end mark.

; Empty the program: an end mark at the start of the text (through
; RelinkCut), no variables.
; Out: HL after the end mark, A = 0. Keeps: -.
DoNew:
  LD DE,(TXTTAB)
  JR RelinkCut
SetProgramEnd:              ; HL = the end of the program text
  LD (VARTAB),HL
  PUSH HL                   ; a changed program loses its variables
  LD HL,(STACKTOP)          ; and cannot be continued
  LD (CMDSP),HL
  POP HL
  JP ClearVariables

; RelinkLines from the program's first line on.
RelinkProgram:
  LD DE,(TXTTAB)
; Rebuild the links of the lines from the one at DE on, from where each
; line's 00 byte really is, and set the end of the program. A line whose
; end byte would lie beyond the top of memory is cut off there, so a
; damaged program can never send the scan through all of memory.
RelinkLines:
  LD H,D
  LD L,E
  LD A,(HL)
  INC HL
  OR (HL)
  JR Z,RelinkEnd            ; HL at the high byte of the end mark
  INC HL
  INC HL
  INC HL                    ; HL at the text
RelinkScan:
  PUSH DE
  LD DE,(MEMTOP)
  RST 18h
  POP DE
  JR NC,RelinkCut
  LD A,(HL)
  INC HL
  OR A
  JR NZ,RelinkScan
  EX DE,HL                  ; HL = this line, DE = the next one
  LD (HL),E
  INC HL
  LD (HL),D
  JR RelinkLines
RelinkCut:
  EX DE,HL
  XOR A
  LD (HL),A
  INC HL
  LD (HL),A
RelinkEnd:
  INC HL
  JR SetProgramEnd

; A line typed with a number in front: HL at the number.
EnterProgramLine:
  CALL DecimalToBinary
; The same with its number in DE and HL at the text after it (AUTO and
; EDIT come here too).
StoreProgramLine:
  PUSH HL                   ; 65530..65535 are no line numbers: 65535
  LD HL,6                   ; stands for a direct statement
  ADD HL,DE
  POP HL
  JP C,SNError
  LD (CURLINE),DE
  CALL SkipBlanks
  CALL TextLimit            ; tokenised into the room kept below the stack
  PUSH DE
  CALL Tokenise
  POP HL                    ; HL = the tokenised text, DE after its 00
  EX DE,HL
  SBC HL,DE                 ; (the tokeniser leaves no carry)
  PUSH HL                   ; its length, 00 included
  PUSH DE
  LD DE,(CURLINE)
  CALL FindLineByLink       ; HL = where the line is or belongs
  CALL Z,DeleteLine
  POP DE                    ; DE = tokenised text
  POP BC
  LD A,(DE)
  OR A
  CALL NZ,InsertLine        ; (only a number: the line is deleted)
  CALL RelinkProgram
  JP CommandLoop

; HL = the line after the one at HL, found from its end byte.
NextLine:
  INC HL
  INC HL
  INC HL
  INC HL
NextLineScan:
  LD A,(HL)
  INC HL
  OR A
  JR NZ,NextLineScan
  RET
