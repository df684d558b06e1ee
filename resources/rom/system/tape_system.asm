; SYSTEM: machine-code tapes (tape_commands.asm describes the format).

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
