; PRINT USING: a number written into its field. The digits come from
; NumberDigits (seven of a single or an integer, sixteen of a double) and
; are rounded here, half away from zero, at the field's last place; the
; places beyond the digits print as zeros. What comes before the point is
; right-aligned in its positions (blanks or '*' in front); a number that
; does not fit gets a '%' in front and takes the room it needs. A zero
; before the point prints only where there is room for it.
;
; RAM: USINGFLAGS, USINGINT, USINGFRAC (print_using.asm), USINGVALID (the
; digits at NUMTEXT+10 the rounding keeps).

; In: ACC a number; the field in the USING cells. Out: the field printed.
; Keeps: -.
UsingNumber:
  LD A,7
  CALL NumberDigits         ; B digits at NUMTEXT+10, C = the exponent of the first
  CALL UsingPlaces
  LD HL,USINGFRAC
  ADD A,(HL)                ; the digits kept
  JP P,UsingNumber_kept
  LD B,0                    ; all of them below the last place
UsingNumber_kept:
  CP B
  JR C,UsingNumber_cut
  LD A,B
UsingNumber_cut:
  LD HL,USINGVALID
  LD (HL),A
  JR NC,UsingNumber_rounded
  ADD A,LOW (NUMTEXT+10)    ; on USINGVALID's page
  LD L,A
  LD A,(HL)
  CP '5'
  JR C,UsingNumber_rounded
UsingNumber_carry:          ; the '0' in front of the digits takes a carry out
  LD (HL),'0'
  DEC HL
  INC (HL)
  LD A,(HL)
  CP '9' + 1
  JR Z,UsingNumber_carry
  LD A,L
  CP LOW (NUMTEXT+9)
  JR NZ,UsingNumber_rounded
  DEC (HL)                  ; all nines: '1' and zeros, one place more
  INC HL
  INC (HL)
  INC C
  DEC HL
  DEC HL                    ; USINGVALID
  INC (HL)
UsingNumber_rounded:
  CALL UsingPlaces          ; L = the flags, H = the positions before the point
  LD E,A                    ; E = the digits before the point, D = the first
  LD D,0                    ; digit's index (below 0 for zeros after the point)
  RLA
  JR NC,UsingNumber_whole
  LD D,E
  LD E,0
UsingNumber_whole:
  LD A,L
  AND 3                     ; a '+' in front is a position of its own, a
  JR NZ,UsingNumber_nosign  ; sign after takes none here
  LD A,(NUMTEXT)
  CP '-'
  JR NZ,UsingNumber_nosign
  DEC H                     ; a '-' in front takes one
UsingNumber_nosign:
  BIT 3,L
  JR Z,UsingNumber_nodollar
  DEC H
UsingNumber_nodollar:
  LD A,H
  SUB E
  LD H,A
  LD A,E                    ; B = the digits up to a comma (0: no commas)
  BIT 4,L
  JR NZ,UsingNumber_group
  XOR A
UsingNumber_group:
  LD B,A
  CP 4
  JR C,UsingNumber_room
  SUB 3
  DEC H
  JR UsingNumber_group
UsingNumber_room:           ; H = the positions left, below 0 when too wide
  BIT 7,H
  JR Z,UsingNumber_fits
  LD A,'%'
  CALL OutChar
  LD H,0
UsingNumber_fits:
  LD A,L
  AND 40h                   ; in the exponent form the sign keeps its blank
  OR E
  JR NZ,UsingNumber_fill
  OR H
  JR Z,UsingNumber_fill
  DEC H                     ; a zero before the point where a position is left
  INC E
  DEC D
UsingNumber_fill:
  LD A,' '
  BIT 2,L
  JR Z,UsingNumber_blank
  LD A,'*'
UsingNumber_blank:
  INC H
  JR UsingNumber_count
UsingNumber_pad:
  CALL OutChar
UsingNumber_count:
  DEC H
  JR NZ,UsingNumber_pad
  BIT 1,L                   ; the sign, the digits, the point, the exponent
  JR NZ,UsingNumber_dollar
  CALL UsingSign
  CP ' '
  CALL NZ,OutChar
UsingNumber_dollar:
  BIT 3,L
  LD A,'$'
  CALL NZ,OutChar
  CALL UsingDigits
  BIT 5,L
  LD A,'.'
  CALL NZ,OutChar
  LD A,(USINGFRAC)
  LD E,A
  LD B,0
  CALL UsingDigits
  BIT 6,L
  JR Z,UsingNumber_trail
  LD A,(USINGVALID)
  OR A
  JR Z,UsingNumber_expzero  ; 0 has the exponent 0
  LD A,(USINGFRAC)          ; D = the digits before the point and after it
  ADD A,C
  INC A
  SUB D                     ; e + 1 - the digits before the point
UsingNumber_expzero:
  PUSH HL
  LD C,A
  LD A,'E'                  ; E for every type
  LD HL,NUMTEXT+1           ; after the sign, before the digits
  CALL NumberToText_letter  ; HL = NUMTEXT
  INC HL
  CALL PrintString
  POP HL
UsingNumber_trail:
  BIT 1,L
  RET Z
  CALL UsingSign
  JP OutChar
