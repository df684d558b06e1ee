; CLOAD: a BASIC program from tape (tape_commands.asm describes the tape
; formats), and the byte reader the tape commands share.

; CLOAD ["N"]: the first BASIC program on the tape whose name is N (any
; without a name); the programs before it are read through and passed.
; CLOAD? ["N"] reads the program the same way and compares it, byte for
; byte, with the one in memory: "BAD" at the first difference, else READY;
; the program and its variables stay as they are.
CloadCommand:
  CALL SkipBlanks
  LD B,A                    ; '?' to verify
  CP '?'
  JR NZ,CloadCommand_name
  RST 10h
CloadCommand_name:
  PUSH BC
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
  POP BC
  LD A,B
  SUB '?'
  LD B,A                    ; B = 0 to verify
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
  INC B
  DEC B
  CALL NZ,RelinkProgram     ; (verified: nothing to relink)
  JP ReadyLevel

; Read a byte from tape to (HL) (B = 0: compare it with (HL)), HL + 1;
; Z if it was 0. Stops the load on BREAK or when memory runs out, the
; verify at a difference.
CloadByte:
  CALL TapeByte
  INC B
  DEC B
  JR Z,CloadByte_verify
  LD (HL),A
CloadByte_next:
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
  DEFB 11h                  ; LD DE,nn: skips the LD HL
TapeBroken:
  LD HL,BreakText
TapeBroken_text:
  JP TAPEFAIL
CloadByte_bad:
  DEFB "BAD",0Dh,0
CloadByte_verify:
  CP (HL)
  JR Z,CloadByte_next
  LD HL,CloadByte_bad
  JR TapeBroken_text
