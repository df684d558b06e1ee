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
  LD A,'0'                  ; 0: that digit alone after the blank
  JR Z,NumberToText_digit
  ; NumberDigits' digits: DE after them, B = their number, C = the decimal
  ; exponent of the first
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
  LD A,B                    ; B <= 0: no digits after the point (below 0:
  DEC A                     ; trailing zeros of the integer part used up)
  RLA
  JR C,NumberToText_end
NumberToText_fraction:
  CALL NumberToText_point
  JR NumberToText_end
NumberToText_small:         ; A = -1, -2: .ddd with A+1 zeros first
  CP 0FEh
  JR C,NumberToText_exponent
  INC A
  JR Z,NumberToText_fraction
  DEC DE                    ; -2: from the '0' in front of the digits
  INC B
  JR NumberToText_fraction
NumberToText_exponent:
  LD C,A
  CALL NumberToText_copy
  CALL NZ,NumberToText_point
  RST 20h                   ; a single or a double here: carry for a single
  LD A,'E'
  JR C,NumberToText_letter
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
NumberToText_digit:         ; A after HL, then the end mark
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

; The point, then digits as NumberToText_copy. In: HL = the text, DE
; = the digits, B = their number. Out: HL after them. Keeps: C.
NumberToText_point:
  LD (HL),'.'
  INC HL
NumberToText_frac:
  CALL NumberToText_copy
  JR NZ,NumberToText_frac
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
  RST 20h
  JP P,NumberDigits_single
  LD HL,(FAC)               ; an integer has at most five digits of a single
  CALL IntToSingle
NumberDigits_single:
  LD HL,NUMTEXT
  LD (HL),' '
  LD BC,0FFh                ; 0: no digits, the first place below the point
  LD A,(FAC+3)
  OR A
  RET Z                     ; (a double that vanished may keep its sign bit)
  LD A,(FAC+2)
  ADD A,A
  JR NC,NumberDigits_spos
  LD (HL),'-'
  SRL A                     ; work on |x|
  LD (FAC+2),A
NumberDigits_spos:
  LD A,(TYPEFLAG)
  LD (NUMTEXT+1),A          ; DoubleDigits writes as many digits as the type has
  CP 8
  CALL NZ,SingleToDouble    ; exact, so a single's digits are rounded only once
  JP DoubleDigits
