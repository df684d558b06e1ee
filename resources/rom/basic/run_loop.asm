; The interpreter loop: RUN, statements one after another (':' between
; them, line after line), direct statements typed at the prompt, the
; statement table, BREAK, STOP, END, CONT, TRON/TROFF, GOTO, GOSUB/RETURN,
; IF/THEN/ELSE, ON n GOTO/GOSUB, REM.
;
; A statement routine is entered by a jump with HL at the first character
; after its keyword and A = that character (Z at the end of the statement);
; it leaves by JP ExecNext with HL at the ':' or 00 after what it read.
; FOR and GOSUB keep their entries on the processor stack:
;   GOSUB, 6 bytes from SP: xx, 91h, line number, text pointer
;   FOR, 16 bytes: type, 81h, variable address, step (4), limit (4),
;                  text pointer, line number
;
; RAM: CURLINE (FFFFh in direct mode), LINEADDR, STMTPTR, CONTPTR, CONTLINE, CONTSP, CONTREDO,
; CMDSP, TRACEON.

; Clear the variables, the arrays, string space, the DEF types, the DATA
; pointer and the error trap. ClearAll also starts the stack again (it
; returns through the new one). In: -. Out: -. Keeps: DE HL.
ClearAll:
  POP BC                    ; the return address
  LD SP,(STACKTOP)
  LD (CMDSP),SP
  PUSH BC
  LD BC,INBUF               ; INPUT reads at the buffer's start again
  LD (DIRECTEND),BC
ClearVariables:
  PUSH HL
  LD HL,(VARTAB)
  LD (ARYTAB),HL
  LD (STREND),HL
  LD HL,(MEMTOP)
  LD (STRNEXT),HL
  LD HL,DEFTABLE
  LD B,26
ClearVariables_types:
  LD (HL),4
  INC HL
  DJNZ ClearVariables_types
  LD HL,(TXTTAB)
  DEC HL
  LD (DATAPTR),HL
  INC HL                    ; GOTO searches from the first line
  INC HL
  INC HL
  INC HL
  LD (LINEADDR),HL
  XOR A
  LD (INTRAP),A
  LD (USINGDESC),A          ; no format kept from a stopped PRINT USING
  LD H,A
  LD L,A
  LD (ERRTRAP),HL
  LD (CONTPTR),HL
  POP HL                    ; on into FreeTemps
; Forget the temporary string descriptors: all are free, and the collection
; keeps none of their strings. Keeps: BC DE HL.
FreeTemps:
  XOR A
  LD (TEMPUSED),A
  LD (TEMPDESC),A
  LD (TEMPDESC+3),A
  LD (TEMPDESC+6),A
  LD (TEMPDESC+9),A
  PUSH HL
  LD HL,TEMPDESC
  LD (TEMPNEXT),HL
  POP HL
  RET

GotoStatement:
  CALL ReadLineNumber
  JR GotoLineDE
GosubStatement:
  CALL ReadLineNumber_digit ; (the keyword's flags still)
; GOSUB: the entry RETURN goes back by, then the jump. In: DE = the line,
; HL after the statement. Out: -.
GosubLineDE:
  CALL CheckStack
  PUSH HL
  LD BC,(CURLINE)
  PUSH BC
  LD B,91h
  PUSH BC                   ; on into the jump, without JP or JR
; Go to the line DE. In: DE. Out: -. A line after the current one is
; searched for from the line after the current one on.
GotoLineDE:
  LD HL,(LINEADDR)          ; the high byte of the current line's number
  LD A,(HL)
  DEC HL
  CP D
  JR NZ,GotoLineDE_high
  LD A,(HL)
  CP E
GotoLineDE_high:            ; carry: the current line lies before line DE
  DEC HL                    ; the high byte of its link
  JR NC,GotoLineDE_first
  LD A,(HL)
  DEC HL
  LD L,(HL)
  LD H,A
  OR A                      ; no link: LINEADDR is at an empty program's
  JR NZ,GotoLineDE_from     ; end mark, whose bytes after it are no line
GotoLineDE_first:
  LD HL,(TXTTAB)
GotoLineDE_from:
  CALL FindLineFrom
  JP NZ,ULError
  INC HL
  INC HL
  INC HL                    ; HL at the high byte of the number
  JP ExecLine               ; (the next line of the text falls into it)

; 1EA3h: RUN [line]. In: HL after RUN, A = the character there.
RunStatement:
  LD DE,0
  CALL NZ,ReadLineNumber
  CALL ClearAll
  LD A,D
  OR E
  JR NZ,GotoLineDE
  LD HL,(TXTTAB)            ; the first line, as if one ended before it
  DEC HL
  JR ExecNext_nextline

StopStatement:              ; as BREAK between statements
BreakKey:
  XOR A                     ; CONT goes on after the statement
  LD (CONTREDO),A
BreakKey_wait:
  LD A,(KBROW6)             ; wait until BREAK is let go
  AND 04h
  JR NZ,BreakKey_wait
  CALL SaveCont
  CALL FreshLine
  LD HL,BreakInText
  JP ReportEnd

EndStatement:
  CALL SaveCont
EndProgram:
  JP ReadyLevel

; REM, ' and ELSE: the rest of the line. DATA (by SkipStatement): the
; rest of the statement.
RemStatement:
  LD A,(HL)
  OR A
  JR Z,ExecNext
  INC HL
  JR RemStatement

; ':', ELSE or an error after a statement. It lies before ExecNext, so
; that the end of a line, the common case, goes on there without a jump.
ExecNext_other:
  CP ':'
  JR Z,ExecStatement
  CP 95h                    ; ELSE after the THEN part: the rest is skipped
  JR Z,RemStatement
ExecNext_syntax:
  JP SNError

; RETURN: back to the GOSUB's line and text; FOR loops opened since are
; dropped. It lies before ExecNext to go on there without a jump.
ReturnStatement:
  LD HL,0
  ADD HL,SP
ReturnStatement_find:
  LD A,(STACKTOP)           ; the low bytes settle it, but for one entry
  CP L                      ; in 256
  CALL Z,AtStackTop
  JP Z,RGError
  INC HL
  LD A,(HL)
  INC HL
  CP 91h
  JR Z,ReturnStatement_found
  CP 81h
  JP NZ,RGError
  LD DE,14
  ADD HL,DE
  JR ReturnStatement_find
ReturnStatement_found:
  LD SP,HL
  POP DE
  LD (CURLINE),DE
  POP HL                    ; on into ExecNext

; After a statement: HL at its ':' or 00.
ExecNext:
  LD A,(KBROW6)
  AND 04h
  JR NZ,BreakKey
  LD A,(HL)
  OR A
  JR NZ,ExecNext_other
ExecNext_nextline:          ; HL at the 00 before a line's link (a direct
                            ; statement's 00 is followed by a byte and the
                            ; 00 of an end mark: direct_statement.asm)
  INC HL
  INC HL
  LD A,(HL)                 ; a link's high byte alone: the text lies in
  OR A                      ; RAM, from 4000h up, so only the end mark
  JR Z,EndProgram           ; 0000 has a 00 there
  INC HL
  LD E,(HL)
  INC HL
  LD D,(HL)                 ; on into ExecLine
ExecLine:                   ; HL before the text of line DE
  LD (CURLINE),DE
  LD (LINEADDR),HL
  LD A,(TRACEON)
  OR A
  JR NZ,ExecLine_trace      ; (out of the way: TRON is rare)
; HL just before a statement.
ExecStatement:
  LD (STMTPTR),HL
  LD A,(TEMPUSED)           ; the last statement's temporary strings are
  OR A                      ; garbage now
  CALL NZ,FreeTemps
  INC HL                    ; a keyword or a letter right here, the
  LD A,(HL)                 ; common case, needs no NextChar (it is
  ADD A,A                   ; neither a blank nor the end); a keyword
  JR NC,ExecStatement_other ; sets the carry, A = twice its offset
ExecStatement_word:
  CP 2 * (0BCh - 80h)
  JR NC,ExecNext_syntax
  ADD A,LOW StatementTable  ; DE = the entry, added in A: faster than
  LD E,A                    ; through HL, which would have to wait on
  ADC A,HIGH StatementTable ; the stack
  SUB E
  LD D,A
  LD A,(DE)                 ; the address goes through BC: no statement
  LD C,A                    ; expects BC or DE on entry
  INC DE
  LD A,(DE)
  LD B,A
  PUSH BC
  JP NextChar               ; to the statement with the next character
ExecStatement_other:        ; A = twice the character: a letter (or any
  CP 2 * 'A'                ; other from 41h up) is an assignment
ExecStatement_let:
  JP NC,LetStatement_letter
  DEC HL                    ; blanks, an empty statement, the end
  CALL NextChar
  JR Z,ExecNext
  ADD A,A
  JR C,ExecStatement_word
  JR ExecStatement_let      ; (NC: any other character goes to LET)
ExecLine_trace:             ; TRON: the line's number in <>
  LD A,'<'
  CALL OutChar
  EX DE,HL
  CALL PrintHLDecimal
  EX DE,HL
  LD A,'>'
  CALL OutChar
  JR ExecStatement

DataStatement:
  LD BC,ExecNext
  PUSH BC
; HL at a character of a statement: HL to its ':' or 00 (strings skipped).
; Keeps: BC DE.
SkipStatement:
  LD A,(HL)
  OR A
  RET Z
  CP ':'
  RET Z
  INC HL
  CP '"'
  JR NZ,SkipStatement
SkipStatement_string:
  LD A,(HL)
  OR A
  RET Z
  INC HL
  CP '"'
  JR NZ,SkipStatement_string
  JR SkipStatement

; Remember where CONT goes on; the command level keeps the FOR and GOSUB
; entries. In: HL. Keeps: HL.
SaveCont:
  CALL CurLineDirect
  RET Z                     ; not from a direct line
  LD (CONTPTR),HL
  LD (CONTLINE),DE
  EX DE,HL
  LD HL,2
  ADD HL,SP                 ; the caller's stack
  LD (CONTSP),HL
  LD (CMDSP),HL
  EX DE,HL
  RET

; The statements from 80h to BBh. Disk keywords jump to their RAM vectors;
; EDIT, DELETE and AUTO are found by the command level (command_level.asm)
; before a line is run, and are a syntax error in a program.
StatementTable:
  DEFW EndStatement         ; 80 END
  DEFW ForStatement         ; 81 FOR
  DEFW ResetStatement       ; 82 RESET
  DEFW SetStatement         ; 83 SET
  DEFW ClsStatement         ; 84 CLS
  DEFW 4173h                ; 85 CMD
  DEFW RandomStatement      ; 86 RANDOM
  DEFW NextStatement        ; 87 NEXT
  DEFW DataStatement        ; 88 DATA
  DEFW InputStatement       ; 89 INPUT
  DEFW DimStatement         ; 8A DIM
  DEFW ReadStatement        ; 8B READ
  DEFW LetStatement         ; 8C LET
  DEFW GotoStatement        ; 8D GOTO
  DEFW RunStatement         ; 8E RUN
  DEFW IfStatement          ; 8F IF
  DEFW RestoreStatement     ; 90 RESTORE
  DEFW GosubStatement       ; 91 GOSUB
  DEFW ReturnStatement      ; 92 RETURN
  DEFW RemStatement         ; 93 REM
  DEFW StopStatement        ; 94 STOP
  DEFW RemStatement         ; 95 ELSE
  DEFW TronStatement        ; 96 TRON
  DEFW TroffStatement       ; 97 TROFF
  DEFW DefStrStatement      ; 98 DEFSTR
  DEFW DefIntStatement      ; 99 DEFINT
  DEFW DefSngStatement      ; 9A DEFSNG
  DEFW DefDblStatement      ; 9B DEFDBL
  DEFW 41A3h                ; 9C LINE
  DEFW SNError              ; 9D EDIT (a command of the prompt only)
  DEFW ErrorStatement       ; 9E ERROR
  DEFW ResumeStatement      ; 9F RESUME
  DEFW OutStatement         ; A0 OUT
  DEFW OnStatement          ; A1 ON
  DEFW 4179h                ; A2 OPEN
  DEFW 417Ch                ; A3 FIELD
  DEFW 417Fh                ; A4 GET
  DEFW 4182h                ; A5 PUT
  DEFW 4185h                ; A6 CLOSE
  DEFW 4188h                ; A7 LOAD
  DEFW 418Bh                ; A8 MERGE
  DEFW 418Eh                ; A9 NAME
  DEFW 4191h                ; AA KILL
  DEFW 4197h                ; AB LSET
  DEFW 419Ah                ; AC RSET
  DEFW 41A0h                ; AD SAVE
  DEFW SystemCommand        ; AE SYSTEM
  DEFW LprintStatement      ; AF LPRINT
  DEFW 415Bh                ; B0 DEF
  DEFW PokeStatement        ; B1 POKE
  DEFW PrintStatement       ; B2 PRINT
  DEFW ContStatement        ; B3 CONT
  DEFW ListCommand          ; B4 LIST
  DEFW LlistCommand         ; B5 LLIST
  DEFW SNError              ; B6 DELETE (a command of the prompt only)
  DEFW SNError              ; B7 AUTO (a command of the prompt only)
  DEFW ClearStatement       ; B8 CLEAR
  DEFW CloadCommand         ; B9 CLOAD
  DEFW CsaveCommand         ; BA CSAVE
  DEFW NewCommand           ; BB NEW
