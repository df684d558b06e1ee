; Machine-code tapes: L loads one (blocks of 3Ch, count, address, data,
; checksum; then 78h and the entry), S saves memory in the same form.

; L: load; shows the name, the range loaded and the entry.
MonLoad:
  CALL FINDLEADER
  JR C,MonTapeStop
  CALL MonRead
  CP 55h
  JR NZ,MonNotSystem
  LD B,6
LoadName:
  CALL MonRead
  DJNZ LoadName
LoadBlock:
  CALL MonRead
  CP 3Ch
  JR Z,LoadData
  CP 78h
  JR NZ,LoadBlock
  CALL TAPEADDR
  JR C,MonTapeStop
  CALL MOTOROFF
  PUSH HL
  LD HL,EntryText
  CALL PRINTSTR
  POP HL
  LD (40DFh),HL             ; as SYSTEM does: "/" at its prompt starts it
  JP PrintHexWord
LoadData:
  CALL MonRead
  LD B,A
  CALL TAPEADDR
  JR C,MonTapeStop
  LD A,H
  ADD A,L
  LD C,A
LoadByte:
  CALL MonRead
  LD (HL),A
  INC HL
  ADD A,C
  LD C,A
  DJNZ LoadByte
  CALL MonRead
  CP C
  JR NZ,MonChecksum
  CALL BLINK
  JR LoadBlock
; A = the next byte from tape; BREAK ends the command (this routine's
; return dropped, the motor stopped, "BREAK").
MonRead:
  CALL TAPEREAD
  RET NC
  POP HL
  JR MonTapeStop
MonChecksum:
  LD HL,ChecksumText
  JR MonTapeMessage
MonNotSystem:
  LD HL,NotSystem
  JR MonTapeMessage
MonTapeStop:
  LD HL,BreakText
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
NotSystem:
  DEFB "?NOT A MACHINE-CODE TAPE",0Dh,0
