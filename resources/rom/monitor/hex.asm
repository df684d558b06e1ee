; Text helpers of the monitor: hexadecimal in and out.

; Up to three hexadecimal arguments from HL into MONARG1-3; MONCOUNT is
; how many; MONNAME points after them. Carry set on a bad digit.
ParseArguments:
  XOR A
  LD (MONCOUNT),A
  LD DE,MONARG1
ArgumentLoop:
  CALL SkipBlanks
  LD (MONNAME),HL
  OR A
  RET Z
  LD A,(MONCOUNT)
  CP 3
  RET Z
  PUSH DE
  CALL ParseHex             ; DE = value, HL after it
  LD B,D
  LD C,E
  POP DE                    ; DE = slot
  RET C
  EX DE,HL
  LD (HL),C
  INC HL
  LD (HL),B
  INC HL
  EX DE,HL                  ; DE = next slot, HL = text
  LD A,(MONCOUNT)
  INC A
  LD (MONCOUNT),A
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
HexEnd:
  LD A,(HL)
  CP ' ' + 1
  CCF
  RET NC                    ; ends at a blank or the end: fine
  CP ','
  SCF
  RET NZ
  INC HL
  OR A
  RET

; A = value of the hexadecimal digit A; carry if it is none.
HexDigit:
  CALL UpperCase
  SUB '0'
  RET C
  CP 10
  CCF
  RET NC
  SUB 'A' - '0' - 10
  CP 10
  RET C
  CP 16
  CCF
  RET

PrintHexWord:               ; HL
  LD A,H
  CALL PrintHexByte
  LD A,L
PrintHexByte:               ; A; keeps the other registers
  PUSH AF
  RRCA
  RRCA
  RRCA
  RRCA
  CALL PrintHexNibble
  POP AF
PrintHexNibble:
  PUSH AF
  AND 0Fh
  ADD A,90h                 ; 0-9 to '0'-'9', 10-15 to 'A'-'F'
  DAA
  ADC A,40h
  DAA
  CALL DISPLAY
  POP AF
  RET

PrintSpace:                 ; keeps BC, HL (as 0033h does)
  LD A,' '
  JP DISPLAY
