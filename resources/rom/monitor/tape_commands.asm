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
  PUSH HL
  LD HL,EntryText
  CALL MonTapeMessage
  POP HL
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
  JR NC,SaveNameOut
  LD A,' '                  ; the name ended: blanks, HL stays
  DEC HL
SaveNameOut:
  INC HL
  CALL TAPEWRITE
  DJNZ SaveName
  POP HL
  POP BC
SaveBlock:                  ; HL = next byte, BC = bytes left
  XOR A
  CP B
  JR C,SaveShort            ; 256 bytes or more: a full block (count 00)
  OR C
  JR Z,SaveEntry
SaveShort:
  LD E,A                    ; E = count (0 = 256)
  LD A,3Ch
  CALL TAPEWRITE
  LD A,E
  CALL TAPEWRITE
  CALL SaveWord             ; A = H
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
  CALL SaveWord
  JP MOTOROFF

SaveWord:                   ; HL, low byte first; A = H (TAPEWRITE keeps it)
  LD A,L
  CALL TAPEWRITE
  LD A,H
  JP TAPEWRITE

EntryText:
  DEFB "ENTRY ",0
