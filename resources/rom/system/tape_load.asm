; CLOAD: a BASIC program from tape (tape_commands.asm describes the tape
; formats), and the byte reader the tape commands share.

; CLOAD ["N"]: the first BASIC program on the tape whose name is N (any
; without a name); the programs before it are read through and passed.
; CLOAD? (verify) is not built yet.
CloadCommand:
  CALL SkipBlanks
  CP '?'
  JP Z,SNError
  LD C,0                    ; C = the name wanted, 0: any
  CP '"'
  JR NZ,CloadSearch
  INC HL
  LD C,(HL)
CloadSearch:
  CALL FINDLEADER
  JR C,TapeBroken
  LD B,3
CloadHeader:
  CALL TapeByte
  CP BASIC_HEADER
  JR NZ,NotBasicTape
  DJNZ CloadHeader
  CALL TapeByte             ; the tape's name
  INC C
  DEC C
  JR Z,CloadTake
  CP C
  JR Z,CloadTake
CloadPass:                  ; another program: its lines up to a link of 0000
  CALL TapeByte
  LD L,A
  CALL TapeByte
  OR L
  JR Z,CloadSearch
  CALL TapeByte
  CALL TapeByte             ; the line number
CloadPassText:
  CALL TapeByte
  OR A
  JR NZ,CloadPassText
  JR CloadPass
CloadTake:
  CALL TextLimit            ; DE = the highest address a program may use
  LD HL,(TXTTAB)
CloadLine:
  CALL CloadByte
  LD C,A
  CALL CloadByte
  OR C
  JR Z,CloadEnd             ; a link of 0000: the end
  CALL CloadByte
  CALL CloadByte
CloadText:
  CALL CloadByte
  JR NZ,CloadText
  CALL BLINK
  JR CloadLine
CloadEnd:
  CALL MOTOROFF
  LD DE,(TXTTAB)
  CALL RelinkLines
  JP ReadyLevel

; Read a byte from tape to (HL), HL + 1; Z if it was 0. Stops the load on
; BREAK or when memory runs out.
CloadByte:
  CALL TapeByte
  LD (HL),A
  INC HL
  PUSH AF
  RST 18h
  JP NC,OMError
  POP AF
  OR A
  RET

; A = the next byte from tape; BREAK ends the command. Keeps: BC DE HL.
TapeByte:
  CALL TAPEREAD
  RET NC
  JR TapeBroken

NotBasicTape:
  LD HL,NotBasicText
  JR TapeBroken_text
TapeBroken:
  LD HL,BreakText
TapeBroken_text:
  JP TAPEFAIL
