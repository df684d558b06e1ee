; SYSTEM: machine-code tapes (tape_commands.asm describes the format).

; 02B2h: SYSTEM. "*?" asks for a tape name: the tapes of other names (six
; characters, blanks after a shorter one) are read through and passed;
; "/" starts the last one loaded, "/nnnnn" starts at nnnnn.
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
  JP Z,SystemGo
SystemSearch:               ; HL = the name typed
  CALL FINDLEADER
  JP C,TapeBroken
  CALL TapeByte
  CP SYSTEM_HEADER
  JR NZ,NotSystemTape
  PUSH HL
  LD BC,0600h               ; B: six characters; C: how many differ
SystemName:                 ; the tape's name is padded with blanks
  CALL TapeByte
  LD E,(HL)
  INC E
  DEC E
  JR NZ,SystemName_typed
  LD E,' '
  DEC HL                    ; stays at the name's 00
SystemName_typed:
  INC HL
  CP E
  JR Z,SystemName_same
  INC C
SystemName_same:
  DJNZ SystemName
  POP HL
  INC C
  DEC C
  JP NZ,SystemPass
  CALL LoadBlocks
  JR C,SystemChecksum
  LD (SYSENTRY),HL
  JR SystemPrompt
SystemChecksum:
  CALL TapeMotorOff
  LD A,'C'
  LD (VIDEOEND - 1),A
  LD HL,ChecksumText
  DEFB 11h                  ; LD DE,nn: skips the LD HL
NotSystemTape:
  LD HL,NotSystemText
  CALL PrintString
  JR SystemPrompt

; In: the tape after a machine-code tape's name. Out: its blocks in memory,
; HL = its entry; carry after a block whose sum differs (the rest is not
; read). BREAK ends the command (TapeBroken). Keeps: -.
LoadBlocks:
  CALL TapeByte
  CP DATA_BLOCK
  JR Z,LoadBlocks_data
  CP ENTRY_BLOCK
  JR NZ,LoadBlocks          ; anything else between blocks is skipped
LoadBlocks_address:         ; HL from tape; BREAK ends the command
  CALL TAPEADDR
  RET NC
  JP TapeBroken
LoadBlocks_data:
  CALL TapeByte
  LD B,A                    ; 0 counts as 256
  CALL LoadBlocks_address
  LD A,H
  ADD A,L
  LD C,A
LoadBlocks_byte:
  CALL TapeByte
  LD (HL),A
  INC HL
  ADD A,C
  LD C,A
  DJNZ LoadBlocks_byte
  CALL TapeByte
  CP C
  SCF
  RET NZ
  CALL BLINK
  JR LoadBlocks
