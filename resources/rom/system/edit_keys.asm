; The line editor's commands (edit.asm runs them with HL = the cursor in
; the text and C = the count, 1 when none was typed):
;   n SPACE  n characters to the right      n left arrow  n to the left
;   L        show the rest, start again at the beginning of the line
;   I        insert what is typed            X  go to the end and insert
;   H        delete the rest and insert      nD delete n characters
;   nC       the next n keys replace n characters
;   nSc      on to the nth c after the cursor
;   nKc      delete up to the nth c after the cursor
;   A        forget the changes and start again   E  store the line
;   Q        leave the line as it was        NEW LINE  show the rest, store
; While inserting, SHIFT + up arrow returns to the commands, the left
; arrow deletes the character before the cursor and NEW LINE stores.
;
; RAM: -.

EDITKEYCOUNT EQU 14

EditKeyNames:               ; the last first (see EditKeys)
  DEFB "KSCDHXILAQE",0Dh,08h," "
EditHandlers:
  DEFW EditRight, EditLeft, EditEnter, EditEnd, EditQuit, EditAgain
  DEFW EditList, EditInsert, EditExtend, EditHack, EditDelete
  DEFW EditChange, EditSearch, EditKill

EditSearch:
  CALL EditFind
  INC C
  DEC C
  JR Z,EditKeys_jump
EditRight:
  CALL EditShowNext
  JR Z,EditKeys_jump
  DEC C
  JR NZ,EditRight
  JR EditKeys_jump

EditLeft:
  LD DE,INBUF
  RST 18h
  JR Z,EditKeys_jump        ; at the start
  DEC HL
  LD A,08h
  CALL OutChar
  DEC C
  JR NZ,EditLeft
  JR EditKeys_jump

EditEnter:
  CALL EditShowNext
  JR NZ,EditEnter
EditEnd:
  CALL EditQuit_line
  LD DE,(CURLINE)
  LD HL,INBUF
  JP StoreProgramLine

EditQuit:
  CALL EditQuit_line
  JP CommandLoop
EditQuit_line:
  LD A,0Dh
  JP OutChar

EditAgain:
  LD DE,(CURLINE)
  JP EditLine
EditKeys_jump:
  JP EditKeys

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
  JR Z,EditKeys_jump
  CP 0Dh
  JR Z,EditEnter
  CP 08h
  JR Z,EditInsert_back
  CP ' '
  JR C,EditInsert           ; other control keys do nothing
  CALL EditInsertChar
  JR EditInsert
EditInsert_back:
  LD DE,INBUF
  RST 18h
  JR Z,EditInsert
  DEC HL
  CALL EditRemove
  LD A,08h
  CALL OutChar
  JR EditInsert

EditKill:
  CALL EditFind
  INC C
  DEC C
  JR Z,EditKeys_jump
EditDelete:
  CALL EditDelete_bang
EditDelete_next:
  LD A,(HL)
  OR A
  JR Z,EditDelete_end
  CALL OutChar
  CALL EditRemove
  DEC C
  JR NZ,EditDelete_next
EditDelete_end:
  CALL EditDelete_bang
  JR EditKeys_jump
EditDelete_bang:
  LD A,'!'
  JP OutChar

EditChange:
  LD A,(HL)
  OR A
  JP Z,EditKeys
  CALL WAITKEY
  CP ' '
  JR C,EditChange           ; control keys do nothing
  LD (HL),A
  CALL EditShowNext
  DEC C
  JR NZ,EditChange
  JP EditKeys
