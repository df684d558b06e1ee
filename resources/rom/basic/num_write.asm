; Numbers to text (PRINT, STR$, 0FBDh): the layout of the digits that
; DoubleDigits (double_write.asm) gives for every type (an integer goes
; as a single); num_text.asm describes the forms.
;
; RAM: NUMTEXT.

; 0FBDh. In: ACC (a number). Out: HL = NUMTEXT, the number as
; PRINT shows it without the trailing blank, ending with 00.
; Keeps: nothing.
NumberToText:
  LD A,6
  CALL NumberDigits
  JR NZ,NumberToText_digits
  INC HL
  LD (HL),'0'
  INC HL
  LD (HL),A
  LD HL,NUMTEXT
  RET

; The sign and the digits of a number (PRINT and PRINT USING).
; In: ACC (a number), A = the digits to write of a single or an integer
; (a double has sixteen). Out: NUMTEXT = ' ' or '-'; Z and A = 0, HL =
; NUMTEXT, B = 0, C = -1 for 0; else NZ, the digits at NUMTEXT+10, B =
; their number, C = the decimal exponent of the first, DE after them
; (DoubleDigits).
; Keeps: nothing.
NumberDigits:
  LD (NUMTEXT+2),A
  LD HL,NUMTEXT
  LD (HL),' '
  LD A,(TYPEFLAG)
  CP 2
  JR NZ,NumberDigits_single
  PUSH HL                   ; an integer has at most five digits of a single
  LD HL,(FAC)
  CALL IntToSingle
  POP HL
NumberDigits_single:
  LD A,(FAC+2)
  OR A
  JP P,NumberDigits_spos
  LD (HL),'-'
NumberDigits_spos:
  LD BC,0FFh                ; 0: no digits, the first place below the point
  LD A,(FAC+3)
  OR A
  RET Z
  LD A,(FAC+2)
  AND 7Fh
  LD (FAC+2),A              ; work on |x|
  LD A,(TYPEFLAG)
  LD (NUMTEXT+1),A          ; DoubleDigits writes as many digits as the type has
  CP 8
  CALL NZ,SingleToDouble    ; exact, so a single's digits are rounded only once
  JP DoubleDigits
; In: DE after the digits, B = their number, C = the decimal exponent of
; the first digit.
NumberToText_digits:
  LD H,B                    ; the digits of the type
NumberToText_trim:
  DEC DE
  LD A,(DE)
  CP '0'
  JR NZ,NumberToText_trimmed
  DJNZ NumberToText_trim
NumberToText_trimmed:
  LD A,C                    ; the exponent of the first digit
  LD C,H                    ; the digits of the type
  LD HL,NUMTEXT+1
  LD DE,NUMTEXT+10
  CP 80h
  JR NC,NumberToText_small
  CP C
  JR NC,NumberToText_exponent
  ; fixed, 1 or more integer digits: A+1 of them
  INC A
  LD C,A
NumberToText_intpart:
  CALL NumberToText_copy
  DEC C
  JR NZ,NumberToText_intpart
  LD A,B
  OR A
  JR Z,NumberToText_end
  BIT 7,B
  JR NZ,NumberToText_end    ; trailing zeros of the integer part used up
  LD (HL),'.'
  INC HL
NumberToText_frac:
  CALL NumberToText_copy
  JR NZ,NumberToText_frac
  JR NumberToText_end
NumberToText_small:         ; A = -1, -2: .ddd with A+1 zeros first
  CP 0FEh
  JR C,NumberToText_exponent
  LD (HL),'.'
  INC HL
  INC A
  JR Z,NumberToText_frac
  LD (HL),'0'
  INC HL
  JR NumberToText_frac
NumberToText_exponent:
  LD C,A
  CALL NumberToText_copy
  JR Z,NumberToText_noexpfrac
  LD (HL),'.'
  INC HL
NumberToText_expfrac:
  CALL NumberToText_copy
  JR NZ,NumberToText_expfrac
NumberToText_noexpfrac:
  LD A,(TYPEFLAG)
  CP 8
  LD A,'E'
  JR NZ,NumberToText_letter
  DEC A                     ; 'D' for a double
NumberToText_letter:
  LD (HL),A
  INC HL
  LD (HL),'+'
  LD A,C
  BIT 7,A
  JR Z,NumberToText_exppos
  LD (HL),'-'
  NEG
NumberToText_exppos:
  INC HL
  LD (HL),'0' - 1
NumberToText_tens:
  INC (HL)
  SUB 10
  JR NC,NumberToText_tens
  ADD A,'0' + 10
  INC HL
  LD (HL),A
  INC HL
NumberToText_end:
  LD (HL),0
  LD HL,NUMTEXT
  RET
; Copy one digit from DE to HL; B counts the significant digits left and
; may go below 0 (then '0' is copied). Out: Z when none are left.
NumberToText_copy:
  LD A,(DE)
  LD (HL),A
  INC DE
  INC HL
  DEC B
  RET
