; PRINT USING: the small routines of the number writer.
;
; RAM: USINGFLAGS, USINGINT, USINGVALID (print_using.asm, using_number.asm).

; In: C = the decimal exponent of the first digit. Out: A = the digits
; the field shows before the point (below 0 when the first digit lies
; further right), HL = the USING cells (L the flags, H the positions
; before the point). Keeps: BC DE.
UsingPlaces:
  LD HL,(USINGFLAGS)        ; L = the flags, H = the positions before the point
  LD A,C
  INC A
  BIT 6,L
  RET Z                     ; the fixed form: from the exponent
  LD A,L
  AND 3
  LD A,H
  RET NZ
  OR A                      ; no '+' and no sign after: one position for the sign
  RET Z
  DEC A
  RET

; In: L = the flags. Out: A = '-' for a negative number, else '+' with a
; '+' in the field, else ' '. Keeps: BC DE HL.
UsingSign:
  LD A,(NUMTEXT)
  CP '-'
  RET Z
  BIT 0,L
  RET Z
  LD A,'+'
  RET

; Print E digits from the index D on (below 0 and from USINGVALID on a
; '0'), a comma after each group of three: B = the digits up to the first
; (0 for none). Out: D past them. Keeps: C HL.
UsingDigits:
  INC E
  DEC E
  RET Z
UsingDigits_next:
  PUSH HL
  LD HL,USINGVALID
  LD A,D
  CP (HL)
  LD A,'0'
  JR NC,UsingDigits_out
  LD A,D
  ADD A,LOW (NUMTEXT+10)
  LD L,A                    ; USINGVALID lies on the digits' page
  LD A,(HL)
UsingDigits_out:
  POP HL
  CALL OutChar
  INC D
  DEC E
  RET Z
  DJNZ UsingDigits_next
  LD B,3                    ; a group of three, and digits follow: a comma
  LD A,','
  CALL OutChar
  JR UsingDigits_next
