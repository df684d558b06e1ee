; The line editor's commands from ENTER on (edit_keys.asm has the cursor
; keys, edit.asm the editor).
;
; RAM: CURLINE (the line edited); the line is kept in INBUF.

EditEnter:
  CALL EditShowNext
  JR NZ,EditEnter
EditEnd:
  CALL FreshLine
  LD DE,(CURLINE)
  LD HL,INBUF
  JP StoreProgramLine

EditQuit:
  CALL FreshLine
  JP CommandLoop

EditAgain:
  LD DE,(CURLINE)
  JP EditLine

EditList:
  CALL EditShowNext
  JR NZ,EditList
  JP EditRestart

EditExtend:
  CALL EditShowNext
  JR NZ,EditExtend
  JR EditInsert
EditHack:
  LD (HL),0
EditInsert:
  CALL WAITKEY
  CP 1Bh                    ; SHIFT + up arrow
  RET Z
  CP 0Dh
  JR Z,EditEnter
  CP 08h
  JR Z,EditInsert_back
  CP ' '                    ; other control keys do nothing
  CALL NC,EditInsertChar
  JR EditInsert
EditInsert_back:
  CALL EditBack
  CALL NZ,EditRemove
  JR EditInsert

EditKill:
  CALL EditFind
  RET Z
EditDelete:
  CALL EditBang
EditDelete_next:
  LD A,(HL)
  OR A
  JR Z,EditBang
  CALL OutChar
  CALL EditRemove
  DEC C
  JR NZ,EditDelete_next
EditBang:
  LD A,'!'
  JP OutChar

EditChange:
  LD A,(HL)
  OR A
  RET Z
  CALL WAITKEY
  CP ' '
  JR C,EditChange           ; control keys do nothing
  LD (HL),A
  CALL EditShowNext
  DEC C
  JR NZ,EditChange
  RET
