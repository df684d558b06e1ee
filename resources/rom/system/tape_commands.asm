; The tape commands: CSAVE "N" and CLOAD for BASIC programs, SYSTEM for
; machine-code tapes.
;
; A BASIC tape: leader, A5h, D3h D3h D3h, one name character, then the
; program lines as they lie in memory, ending with a link of 0000.
; A machine-code tape: leader, A5h, 55h, six name characters, blocks of
; 3Ch, count (00 = 256), load address, data, checksum (sum of the address
; bytes and the data), and finally 78h and the entry address.

BASIC_HEADER  EQU 0D3h
SYSTEM_HEADER EQU 55h
DATA_BLOCK    EQU 3Ch
ENTRY_BLOCK   EQU 78h

CsaveCommand:
  CALL SkipBlanks
  CP '"'
  JP NZ,SNError
  INC HL
  LD A,(HL)
  CP ' ' + 1
  JP C,SNError
  CP '"'
  JP Z,SNError
  LD C,A
  CALL WRITELEADER
  LD A,BASIC_HEADER
  CALL TAPEWRITE
  CALL TAPEWRITE
  CALL TAPEWRITE
  LD A,C
  CALL TAPEWRITE
  LD HL,(TXTTAB)
  LD DE,(VARTAB)
CsaveByte:
  RST 18h
  JR Z,CsaveDone
  LD A,(HL)
  CALL TAPEWRITE
  INC HL
  JR CsaveByte
CsaveDone:
  CALL MOTOROFF
  JP ReadyLevel

; CLOAD [“N”]: the name is shown; any BASIC tape is taken.
CloadCommand:
  CALL FINDLEADER
  JP C,TapeBroken
  LD B,3
CloadHeader:
  CALL TapeByte
  CP BASIC_HEADER
  JR NZ,NotBasicTape
  DJNZ CloadHeader
  CALL TapeByte
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
  JP ErrorText
TapeBroken:
  LD HL,BreakText
  JP ErrorText

; 02B2h: SYSTEM. "*?" asks for a tape name (any machine-code tape is
; loaded), "/" starts the last one loaded, "/nnnnn" starts at nnnnn.
SystemCommand:
  CALL SYSHOOK
SystemPrompt:
  LD SP,(STACKTOP)
  CALL TapeMotorOff
  CALL FreshLine
  LD HL,SystemPromptText
  CALL PrintString
  CALL ReadInputLine
  JP C,ReadyLevel
  OR A
  JR Z,SystemPrompt
  CP '/'
  JR Z,SystemGo
  CALL FINDLEADER
  JP C,TapeBroken
  CALL TapeByte
  CP SYSTEM_HEADER
  JR NZ,NotSystemTape
  LD B,6
SystemName:
  CALL TapeByte
  DJNZ SystemName
SystemBlock:
  CALL TapeByte
  CP DATA_BLOCK
  JR Z,SystemData
  CP ENTRY_BLOCK
  JR NZ,SystemBlock         ; anything else between blocks is skipped
  CALL TAPEADDR
  JP C,TapeBroken
  LD (SYSENTRY),HL
  JP SystemPrompt
SystemData:
  CALL TapeByte
  LD B,A                    ; 0 counts as 256
  CALL TAPEADDR
  JP C,TapeBroken
  LD A,H
  ADD A,L
  LD C,A
SystemDataByte:
  CALL TapeByte
  LD (HL),A
  INC HL
  ADD A,C
  LD C,A
  DJNZ SystemDataByte
  CALL TapeByte
  CP C
  JR NZ,SystemChecksum
  CALL BLINK
  JR SystemBlock
SystemChecksum:
  CALL TapeMotorOff
  LD A,'C'
  LD (VIDEOEND - 1),A
  LD HL,ChecksumText
  CALL PrintString
  JP SystemPrompt
NotSystemTape:
  LD HL,NotSystemText
  CALL PrintString
  JP SystemPrompt

SystemGo:
  INC HL
  CALL SkipBlanks
  OR A
  LD HL,(SYSENTRY)
  JR Z,SystemJump
  LD HL,INBUF + 1
  CALL SkipBlanks
  CALL DecimalToBinary
  EX DE,HL
SystemJump:                 ; a program that returns comes to READY
  LD DE,ReadyLevel
  PUSH DE
  JP (HL)

SystemPromptText:
  DEFB "*? ",0
BreakText:
  DEFB "BREAK",0Dh,0
