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

; D a: eight lines of eight bytes with their characters.
MonDisplay:
  CALL NeedAddress
  LD C,8
DisplayLine:
  CALL PrintHexWord
  LD B,8
  PUSH HL
DisplayHex:
  CALL PrintSpace
  LD A,(HL)
  CALL PrintHexByte
  INC HL
  DJNZ DisplayHex
  POP HL
  CALL PrintSpace
  LD B,8
DisplayChars:
  LD A,(HL)
  CP 20h
  JR C,DisplayDot
  CP 80h
  JR C,DisplayChar
DisplayDot:
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
  CALL PrintHexWord
  CALL PrintSpace
  LD A,(HL)
  CALL PrintHexByte
  CALL PrintSpace
  PUSH HL
  CALL ReadInputLine        ; HL, A at the first non-blank
  POP DE                    ; DE = address
  RET C                     ; BREAK: back to the prompt
  CP '.'
  RET Z
  OR A
  JR Z,ModifyNext
  PUSH DE
  CALL ParseHex
  LD A,E
  POP DE
  JR C,ModifyBad
  LD (DE),A
ModifyNext:
  INC DE
ModifyBad:
  EX DE,HL
  JR ModifyByte

; F a b v: fill a..b with v.
MonFill:
  CALL NeedRange            ; HL = a, BC = length
  LD A,(MONARG3)
FillByte:
  LD (HL),A
  INC HL
  DEC BC
  LD E,A
  LD A,B
  OR C
  LD A,E
  JR NZ,FillByte
  RET

; T a b c: copy a..b to c; overlapping ranges are copied safely.
MonMove:
  CALL NeedRange            ; HL = a, BC = length
  LD DE,(MONARG3)
  PUSH HL
  OR A
  SBC HL,DE
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

; Three arguments: HL = the first, BC = bytes from it to the second
; inclusive; "?" when fewer were given or the second is below the first.
NeedRange:
  LD A,(MONCOUNT)
  CP 3
  JP C,MonitorError
  LD HL,(MONARG2)
  LD DE,(MONARG1)
  OR A
  SBC HL,DE
  JP C,MonitorError
  INC HL
  LD B,H
  LD C,L
  EX DE,HL
  OR A
  RET

; G a: go to a (a RET there comes back to the monitor).
MonGo:
  CALL NeedAddress
  JP (HL)
