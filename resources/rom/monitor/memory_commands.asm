; Memory commands: display, change, fill, move, go.

NeedArguments:              ; A = how many the command needs
  LD B,A
  LD A,(MONCOUNT)
  CP B
  RET NC
  POP AF                    ; not enough: drop the command's return
  JP MonitorError

; D a: eight lines of eight bytes with their characters.
MonDisplay:
  LD A,1
  CALL NeedArguments
  LD HL,(MONARG1)
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
  JP MonitorLoop

; M a: show each byte and take a new value; ENTER keeps it, '.' ends.
MonModify:
  LD A,1
  CALL NeedArguments
  LD HL,(MONARG1)
ModifyByte:
  CALL PrintHexWord
  CALL PrintSpace
  LD A,(HL)
  CALL PrintHexByte
  CALL PrintSpace
  PUSH HL
  LD HL,INBUF
  LD B,8
  CALL LINEINPUTB
  LD E,B
  LD D,0
  ADD HL,DE
  LD (HL),0
  LD HL,INBUF
  POP DE                    ; DE = address
  JP C,MonitorLoop
  CALL SkipBlanks
  CP '.'
  JP Z,MonitorLoop
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
  LD A,3
  CALL NeedArguments
  CALL RangeLength          ; HL = a, BC = length
  JP C,MonitorError
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
  JP MonitorLoop

; T a b c: copy a..b to c; overlapping ranges are copied safely.
MonMove:
  LD A,3
  CALL NeedArguments
  CALL RangeLength
  JP C,MonitorError
  LD DE,(MONARG3)
  PUSH HL
  OR A
  SBC HL,DE
  POP HL
  JR C,MoveDown             ; source below target: copy from the top
  LDIR
  JP MonitorLoop
MoveDown:
  ADD HL,BC
  DEC HL
  EX DE,HL
  ADD HL,BC
  DEC HL
  EX DE,HL
  LDDR
  JP MonitorLoop

; HL = first argument, BC = bytes from it to the second inclusive; carry
; if the second is below the first.
RangeLength:
  LD HL,(MONARG2)
  LD DE,(MONARG1)
  OR A
  SBC HL,DE
  RET C
  INC HL
  LD B,H
  LD C,L
  EX DE,HL
  OR A
  RET

; G a: go to a (a RET there comes back to the monitor).
MonGo:
  LD A,1
  CALL NeedArguments
  LD HL,MonitorLoop
  PUSH HL
  LD HL,(MONARG1)
  JP (HL)
