; Numbers to and from text.
;
; Reading (constants, VAL, INPUT, READ): digits with an optional point and
; an E or D exponent; a value that fits -32768..32767 without a point or
; exponent is an integer, anything else a single ('%' and '!' after the
; digits force the type); eight and more significant digits, a D exponent
; or a '#' suffix make a double (double_read.asm).
; Writing (PRINT, STR$): a blank or '-', then at most six significant
; digits (sixteen for a double) with no zero before the point and no
; trailing zeros; from 1E+06 (1D+16) up and below .01 the form d.dddddE+nn
; (d.dddD+nn).
;
; RAM: NUMTEXT (the text of a number).

; 0E6Ch. In: HL at the text. Out: ACC and type, HL after the number.
; Keeps: nothing.
ReadNumber:
  CALL SkipBlanks
  CALL SignChar
  JR NZ,ReadUnsigned
  INC HL
  JR NC,ReadUnsigned
  CALL ReadUnsigned
  PUSH HL
  CALL NegateAcc
  POP HL
  RET

; In: HL at digits or a point. Out: as ReadNumber. Keeps: nothing.
ReadUnsigned:
  CALL SkipBlanks
; In: HL at the first digit or the point (an operand: NextChar has passed
; the blanks already). Out: as ReadNumber. Keeps: nothing.
ReadDigits:
  LD (NUMSTART),HL
  EX DE,HL                  ; the integer part: DE walks the text, HL
  LD A,(DE)                 ; holds the value (no PUSH/POP per digit)
  SUB '0'
  CP 10
  LD HL,0
  JR NC,ReadUnsigned_int    ; (a point or no number: read again there)
  LD L,A                    ; the first digit needs no test and no
  INC DE                    ; product: it is the value
ReadUnsigned_int:           ; integer digits into HL while they fit
  LD A,(DE)
  SUB '0'
  CP 10
  JR NC,ReadUnsigned_intend
  LD B,H                    ; HL * 10 + the digit while it stays below
  LD C,L                    ; 65536 (a carry: BC is the value before
  ADD HL,HL                 ; this digit, which is read again as part
  ADD HL,HL                 ; of a single); HL was below 32768
  JR C,ReadUnsigned_over
  ADD HL,BC
  JR C,ReadUnsigned_over
  ADD HL,HL
  JR C,ReadUnsigned_over
  ADD A,L
  LD L,A
  LD A,H
  ADC A,0
  LD H,A
  JR C,ReadUnsigned_over
  INC DE
  JP P,ReadUnsigned_int     ; 32768..65535 with this digit: a single
  JR ReadUnsigned_tosingle
ReadUnsigned_intend:        ; A = the character - '0': 50h..F0h for a
  SUB 50h                   ; keyword (an operator, THEN), the end of the
  CP 0A1h                   ; line or a blank, which end the number at
  JR C,ReadUnsigned_int2    ; once, without a point or suffix
  LD A,(DE)
  CP ':'
  JR Z,ReadUnsigned_int2
  AND 0DFh                  ; upper case (and bit 5 off the signs: no
  CP '.' AND 0DFh           ; other character from '!' on becomes one of
  JR Z,ReadUnsigned_tosingle  ; these)
  CP 'E'
  JR Z,ReadUnsigned_tosingle
  CP 'D'
  JR Z,ReadUnsigned_tosingle
  CP '!' AND 0DFh
  JR Z,ReadUnsigned_tosingle
  CP '#' AND 0DFh
  JR Z,ReadUnsigned_tosingle
  CP '%' AND 0DFh
  JR NZ,ReadUnsigned_int2
  INC DE
ReadUnsigned_int2:
  CALL StoreInt             ; (a lone digit in an expression is stored by
  EX DE,HL                  ; Operand without coming here)
  RET
ReadUnsigned_over:
  LD H,B
  LD L,C
ReadUnsigned_tosingle:      ; the digits so far (HL) as a single, then the
  PUSH DE                   ; rest from DE on
  CALL UIntToSingle
  CALL IsDoubleText
  CALL C,SingleToDouble
  POP HL
  LD BC,0                   ; B: digits taken after the point; C: 1
ReadUnsigned_more:          ; after the point
  LD A,(HL)
  CP '.'
  JR NZ,ReadUnsigned_digit
  BIT 0,C
  JR NZ,ReadUnsigned_mantend
  INC C
  INC HL
  JR ReadUnsigned_more
ReadUnsigned_digit:
  CALL DigitValue
  JR C,ReadUnsigned_mantend
  INC HL
  PUSH HL
  PUSH BC
  CALL AccTimes10PlusA
  POP BC
  POP HL
  LD A,B                    ; one more place after the point
  ADD A,C
  LD B,A
  JR ReadUnsigned_more
ReadUnsigned_mantend:       ; B = digits after the point
  CALL UpperCase
  LD DE,0                   ; E: the exponent; D: 0 positive, 0FFh
  CP 'E'                    ; negative (0 0 without an exponent, too)
  JR Z,ReadUnsigned_exp
  CP 'D'
  JR NZ,ReadUnsigned_suffix
ReadUnsigned_exp:
  INC HL
  LD A,(HL)
  CALL SignChar
  JR NZ,ReadUnsigned_expdigit
  INC HL
  JR NC,ReadUnsigned_expdigit
  DEC D
ReadUnsigned_expdigit:
  LD A,(HL)
  CALL DigitValue
  JR C,ReadUnsigned_expdone
  INC HL
  LD C,A
  LD A,E
  CP 20
  JR NC,ReadUnsigned_expdigit   ; far out of range anyway
  ADD A,A
  ADD A,A
  ADD A,E
  ADD A,A
  ADD A,C
  LD E,A
  JR ReadUnsigned_expdigit
ReadUnsigned_suffix:
  CP '!'
  JR Z,ReadUnsigned_skipsuffix
  CP '#'
  JR NZ,ReadUnsigned_expdone
ReadUnsigned_skipsuffix:
  INC HL
ReadUnsigned_expdone:       ; D = 0FFh negates: (E XOR 0FFh) + 1
  LD A,E
  XOR D
  SUB D
  SUB B                     ; apply 10^(A - B)
  PUSH HL
  CALL ScaleByTen
  POP HL
  RET

; In: ACC single or double, A = a digit. Out: ACC = ACC * 10 + A.
; Keeps: nothing.
AccTimes10PlusA:
  LD L,A
  LD H,0
  RST 20h                   ; NC: double (the ACC is no integer here)
  LD A,L
  JP NC,DTimesTenPlusA
  PUSH HL
  CALL FTimesTen
  POP HL
  CALL IntOverAcc
  JP FAdd

; In: ACC single. Out: ACC = ACC * 10. Keeps: nothing.
FTimesTen:
  LD BC,8420h               ; 10
  LD DE,0
  JP FMul

; In: ACC single, A = a signed power of ten. Out: ACC = ACC * 10^A, the
; power built exactly first (to 10^10) so that one rounding is made.
; Keeps: nothing.
ScaleByTen:
  LD C,A
  RST 20h                   ; NC: double (the ACC is no integer here)
  LD A,C
  JP NC,DScaleByTen
  OR A
  RET Z                    ; keep the sign
  JP P,ScaleByTen_count
  NEG
ScaleByTen_count:
  LD B,A
ScaleByTen_chunk:
  PUSH BC
  LD A,B
  CP 11
  JR C,ScaleByTen_power
  LD A,10
ScaleByTen_power:           ; ACC = 10^A
  CALL FGetBCDE             ; (keeps A)
  PUSH DE
  PUSH BC                   ; the value waits on the stack
  LD B,A
  LD HL,1
  CALL IntToSingle          ; (keeps BC, as H is 0)
ScaleByTen_build:
  PUSH BC
  CALL FTimesTen
  POP BC
  DJNZ ScaleByTen_build
  POP BC
  POP DE                    ; BCDE = the value
  POP HL                    ; H = the power left, L = its sign
  PUSH HL
  BIT 7,L
  JR NZ,ScaleByTen_divide
  CALL FMul
  JR ScaleByTen_next
ScaleByTen_divide:
  CALL FDiv
ScaleByTen_next:
  POP BC
  LD A,B
  SUB 10
  RET C
  RET Z
  LD B,A
  JR ScaleByTen_chunk
