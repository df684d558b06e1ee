; Text helpers of the monitor: hexadecimal in and out.

; Up to three hexadecimal arguments from HL into MONARG1-3; MONCOUNT is
; how many; MONNAME points after them. Carry set on a bad digit.
; The count follows from the next slot's address (BC), as MONCOUNT lies
; right after the three slots.
ParseArguments:
  LD BC,MONARG1
ArgumentLoop:
  LD A,C
  SUB MONARG1 & 0FFh
  RRCA
  LD (MONCOUNT),A
  CALL SkipBlanks
  LD (MONNAME),HL
  OR A
  RET Z
  LD A,C
  CP MONCOUNT & 0FFh        ; three taken
  RET Z
  CALL ParseHex             ; DE = value, HL after it (BC kept)
  RET C
  LD A,E
  LD (BC),A
  INC BC
  LD A,D
  LD (BC),A
  INC BC
  JR ArgumentLoop

; HL = text: HL after the hexadecimal number, DE = its value.
; Carry set if there is no digit or a digit is bad.
ParseHex:
  LD DE,0
  LD A,(HL)
  CALL HexDigit
  RET C
HexLoop:
  LD A,(HL)
  CALL HexDigit
  JR C,HexEnd
  EX DE,HL
  ADD HL,HL
  ADD HL,HL
  ADD HL,HL
  ADD HL,HL
  OR L
  LD L,A
  EX DE,HL
  INC HL
  JR HexLoop
HexEnd:                     ; a comma is passed, a blank or the end is
  LD A,(HL)                 ; fine, anything else is not
  CP ','
  JR NZ,HexEnd_other
  INC HL                    ; no carry from the equal compare
  RET
HexEnd_other:
  CP ' ' + 1
  CCF
  RET

; A = value of the hexadecimal digit A; carry if it is none.
HexDigit:                   ; (below '0' wraps to large values)
  CALL UpperCase
  SUB '0'
  CP 10
  CCF
  RET NC
  SUB 'A' - '0' - 10
  CP 10
  RET C
  CP 16
  CCF
  RET

PrintHexWordSpace:          ; HL, then a blank
  CALL PrintHexWord
  JR PrintSpace

PrintHexWord:               ; HL
  LD A,H
  CALL PrintHexByte
  LD A,L
  JR PrintHexByte

PrintHexByteSpace:          ; the byte at HL, then a blank
  LD A,(HL)
  CALL PrintHexByte
PrintSpace:                 ; keeps BC, HL (as 0033h does)
  LD A,' '
  JP DISPLAY

PrintHexByte:               ; A; keeps BC, HL
  PUSH AF
  RRCA
  RRCA
  RRCA
  RRCA
  CALL PrintHexNibble
  POP AF
PrintHexNibble:
  AND 0Fh
  ADD A,90h                 ; 0-9 to '0'-'9', 10-15 to 'A'-'F'
  DAA
  ADC A,40h
  DAA
  JP DISPLAY
