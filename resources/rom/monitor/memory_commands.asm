; Memory commands: display, change, fill, move, go.

; The commands leave with RET to the prompt (MonitorLoop), which also takes
; back the stack after an error.

; The first argument: HL = its value; "?" without one.
NeedAddress:
  LD A,(MONCOUNT)
  OR A
  JR Z,MonitorError
  LD HL,(MONARG1)
  RET

; Three arguments: HL = the first, BC = bytes from it to the second
; inclusive, carry clear; "?" when fewer were given or the second is below
; the first.
NeedRange:
  LD A,(MONCOUNT)
  CP 3
  JR C,MonitorError
  LD HL,(MONARG2)
  LD DE,(MONARG1)
  SBC HL,DE                 ; no carry after the count's compare
  JR C,MonitorError
  INC HL
  LD B,H
  LD C,L
  EX DE,HL
  RET

; D a: eight lines of eight bytes with their characters.
MonDisplay:
  CALL NeedAddress
  LD C,8
DisplayLine:
  CALL PrintHexWordSpace
  LD B,8
  PUSH HL
DisplayHex:
  CALL PrintHexByteSpace
  INC HL
  DJNZ DisplayHex
  POP HL
  LD B,8
DisplayChars:
  LD A,(HL)
  SUB 20h                   ; 20h-7Fh as they are
  CP 60h
  LD A,(HL)
  JR C,DisplayChar

  LD A,'.'
DisplayChar:
  CALL DISPLAY
  INC HL
  DJNZ DisplayChars
  LD A,0Dh
  CALL DISPLAY
  DEC C
  JR NZ,DisplayLine
  RET

; M a: show each byte and take a new value; ENTER keeps it, '.' or BREAK
; ends.
MonModify:
  CALL NeedAddress
ModifyByte:
  CALL PrintHexWordSpace
  CALL PrintHexByteSpace
  PUSH HL
  CALL ReadInputLine        ; HL, A at the first non-blank
  POP BC                    ; BC = address
  RET C                     ; BREAK: back to the prompt
  CP '.'
  RET Z
  OR A
  JR Z,ModifyNext
  CALL ParseHex             ; (keeps BC)
  LD A,E
  JR C,ModifyBad
  LD (BC),A
ModifyNext:
  INC BC
ModifyBad:
  LD H,B
  LD L,C
  JR ModifyByte

; F a b v: fill a..b with v.
MonFill:
  CALL NeedRange            ; HL = a, BC = length
  LD A,(MONARG3)
FillByte:
  LD (HL),A
  CPI                       ; only for HL+1 and BC-1 (P/V: BC not 0)
  JP PE,FillByte
  RET

; T a b c: copy a..b to c; overlapping ranges are copied safely.
MonMove:
  CALL NeedRange            ; HL = a, BC = length
  LD DE,(MONARG3)
  PUSH HL
  SBC HL,DE                 ; NeedRange leaves no carry
  POP HL
  JR C,MoveDown             ; source below target: copy from the top
  LDIR
  RET
MoveDown:
  ADD HL,BC
  DEC HL
  EX DE,HL
  ADD HL,BC
  DEC HL
  EX DE,HL
  LDDR
  RET

; G a: go to a (a RET there comes back to the monitor).
MonGo:
  CALL NeedAddress
  JP (HL)
