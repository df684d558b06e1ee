; Machine-code tapes: L loads one (blocks of 3Ch, count, address, data,
; checksum; then 78h and the entry), S saves memory in the same form.

; L: load the next machine-code tape with the system's block loader;
; shows the entry, which SYSTEM's "/" then starts. BREAK ends the command
; and the monitor, as at its prompt.
MonLoad:
  CALL FINDLEADER
  JP C,TapeBroken
  CALL TapeByte
  CP SYSTEM_HEADER
  LD HL,NotSystemText
  JR NZ,MonTapeMessage
  LD B,6
MonLoad_name:
  CALL TapeByte
  DJNZ MonLoad_name
  CALL LoadBlocks
  JR C,MonLoad_sum
  LD (SYSENTRY),HL
  CALL MOTOROFF
  LD HL,EntryText
  CALL PRINTSTR
  LD HL,(SYSENTRY)
  JP PrintHexWord
MonLoad_sum:
  LD HL,ChecksumText
MonTapeMessage:
  CALL MOTOROFF
  JP PRINTSTR

; S a b e name: save a..b with entry e under a name of up to six letters.
MonSave:
  CALL NeedRange
  CALL WRITELEADER
  LD A,55h
  CALL TAPEWRITE
  PUSH BC
  PUSH HL
  LD HL,(MONNAME)
  LD B,6
SaveName:
  LD A,(HL)
  CP ' ' + 1
  JR C,SaveNamePad
  INC HL
  JR SaveNameOut
SaveNamePad:
  LD A,' '
SaveNameOut:
  CALL TAPEWRITE
  DJNZ SaveName
  POP HL
  POP BC
SaveBlock:                  ; HL = next byte, BC = bytes left
  LD A,B
  OR C
  JR Z,SaveEntry
  LD A,B
  OR A
  LD A,C
  JR Z,SaveShort
  XOR A                     ; a full block: 256 bytes (count 00)
SaveShort:
  LD E,A                    ; E = count (0 = 256)
  LD A,3Ch
  CALL TAPEWRITE
  LD A,E
  CALL TAPEWRITE
  LD A,L
  CALL TAPEWRITE
  LD A,H
  CALL TAPEWRITE
  ADD A,L
  LD D,A                    ; D = checksum
SaveByte:
  LD A,(HL)
  CALL TAPEWRITE
  ADD A,D
  LD D,A
  INC HL
  DEC BC
  DEC E
  JR NZ,SaveByte
  LD A,D
  CALL TAPEWRITE
  JR SaveBlock
SaveEntry:
  LD A,78h
  CALL TAPEWRITE
  LD HL,(MONARG3)
  LD A,L
  CALL TAPEWRITE
  LD A,H
  CALL TAPEWRITE
  JP MOTOROFF

EntryText:
  DEFB "ENTRY ",0
