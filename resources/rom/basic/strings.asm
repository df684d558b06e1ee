; Strings: literals, descriptors, string space and its garbage collection,
; concatenation and comparison, LEN ASC CHR$ LEFT$ RIGHT$ MID$ STR$ VAL
; STRING$ INKEY$ and FRE(x$).
;
; A descriptor is 3 bytes: length, address (low, high). A string variable's
; value is its descriptor. Literals assigned to a variable point into the
; program text; other strings are copied into string space, which lies from
; (40A0h) to (40B1h) and fills downward: (40D6h) is its highest free byte.
; Results in an expression take temporary descriptors, four of them, used
; as a stack: TEMPNEXT is the first free one. A temporary is free again as
; soon as its string is used (as an operand, an argument, a value printed
; or assigned), and with it every later one: an expression uses strings in
; the reverse order of their making, so a later one is used up by then.
; A fifth one still needed is ?ST.
; Assignment copies only text that lies outside the program and string
; space (typed input, a direct statement's literals, number text).
; When string space is full, the strings still referred to (by simple
; variables, string arrays and the temporaries) are moved to its top,
; highest first, and the rest is free again.
;
; RAM: STRNEXT, TEMPDESC..TEMPDESCEND, TEMPNEXT, TEMPUSED.

; A literal: HL at '"'. Out: ACC = it (type 3), HL at the next non-blank
; character after it, A = it.
StringLiteral:
  INC HL
  CALL QuotedText
  DEC HL
  RST 10h                   ; past the quote, or at the 00
  PUSH HL
  CALL MakeTemp
  POP HL
  LD A,(HL)
  RET

; The text of a quoted string (a literal, an INPUT or DATA item). In: HL
; after the opening quote. Out: DE = the text, B = its length, HL after
; the closing quote (or at the 00 that ends the line without one), A =
; the quote or 0. Keeps: C.
QuotedText:
  LD D,H
  LD E,L
  LD B,0
QuotedText_scan:
  LD A,(HL)
  OR A
  RET Z
  INC HL
  CP '"'
  RET Z
  INC B
  JR QuotedText_scan

; A temporary descriptor for B bytes at DE becomes the ACC (type 3).
; ?ST when all four are in use. Out: -. Keeps: BC DE.
MakeTemp:
  LD HL,(TEMPNEXT)
  LD A,L
  CP LOW TEMPDESCEND
  JP Z,STError
  LD (FAC),HL
  LD (HL),B
  INC HL
  LD (HL),E
  INC HL
  LD (HL),D
  INC HL
  LD (TEMPNEXT),HL
  LD A,3
  LD (TYPEFLAG),A
  LD (TEMPUSED),A           ; not 0: all are forgotten after the statement
  RET

; The string in the ACC, used up: its temporary is free again (its text
; stays until a string is made). Out: B = its length, HL = its text, DE =
; its descriptor. Keeps: C.
PopStringDescriptor:
  LD HL,(FAC)
  LD D,H
  LD E,L
  LD B,(HL)
  INC HL
  LD A,(HL)
  INC HL
  LD H,(HL)
  LD L,A                    ; on into ReleaseTemp
; The descriptor at DE is used up: when it is a temporary, it and the ones
; made after it are free again (the collection still sees their strings
; until they are made anew). Page 41h holds no other descriptor.
; Keeps: BC DE HL.
ReleaseTemp:
  LD A,D
  CP HIGH TEMPDESC
  RET NZ
  LD (TEMPNEXT),DE
  RET

; Room for A bytes in string space. Out: HL = their address. ?OS when
; there is none even after a collection. Keeps: BC DE.
AllocString:
  PUSH DE
  PUSH BC
  LD C,A
  CALL AllocString_try
  JR NC,AllocString_done
  CALL CollectGarbage        ; (keeps C)
  CALL AllocString_try
  JP C,OSError
AllocString_done:
  POP BC
  POP DE
  RET
AllocString_try:            ; C bytes: carry when they do not fit
  LD HL,(STRNEXT)
  LD B,0
  OR A
  SBC HL,BC                 ; the new highest free byte
  RET C
  LD DE,(STRSPACE)
  DEC DE
  RST 18h
  RET C
  LD (STRNEXT),HL
  INC HL                    ; (no carry from the compare)
  RET

; Operators with a string on the left: + and the relations.
; In: DE = left descriptor, ACC right, L = operator.
StringOperator:
  RST 20h
  JP NZ,TMError
  LD C,L
  PUSH DE
  CALL PopStringDescriptor  ; B, HL: right
  POP DE
  CALL ReleaseTemp          ; the left one, made before it (both stay
  LD A,C                    ; whole until the result is made)
  CP 8
  JR NC,StringOperator_compare
  OR A
  JP NZ,TMError
  LD A,(DE)                 ; concatenation: DE left, B right's length
  ADD A,B
  JP C,LSError
  LD B,A
  CALL AllocString          ; (keeps BC DE; the collection moves the
  PUSH BC                   ; texts, never the descriptors)
  PUSH HL
  EX DE,HL
  CALL StringCopy
  LD HL,(FAC)
  CALL StringCopy
  POP DE
  POP BC
  JP MakeTemp
StringOperator_compare:
  PUSH AF                   ; the relation mask, for CompareResult
  EX DE,HL
  LD C,(HL)                 ; C, HL: left
  INC HL
  LD A,(HL)
  INC HL
  LD H,(HL)
  LD L,A
StringOperator_byte:
  LD A,C
  OR A
  JR Z,StringOperator_leftend
  DEC C
  LD A,B
  OR A
  JR Z,StringOperator_greater
  DEC B
  LD A,(DE)
  INC DE
  CP (HL)
  INC HL
  JR Z,StringOperator_byte
  LD A,0FFh                 ; less
  JR NC,StringOperator_result
StringOperator_greater:     ; right < left
  LD A,1
  JR StringOperator_result
StringOperator_leftend:     ; 0 (equal) when the right ends too, else
  LD A,B                    ; 0FFh (less)
  NEG
  SBC A,A
StringOperator_result:
  JP ApplyOperator_result
