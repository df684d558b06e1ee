; The line editor's commands (edit.asm runs them with HL = the cursor in
; the text and C = the count, 1 when none was typed; they return to its
; command loop):
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
; Byte offsets from EditBase, in the order of the names' index: every
; command must stay in this file, after EditBase and within 255 bytes.
EditOffsets:
  DEFB EditRight - EditBase, EditLeft - EditBase, EditEnter - EditBase
  DEFB EditEnd - EditBase, EditQuit - EditBase, EditAgain - EditBase
  DEFB EditList - EditBase, EditInsert - EditBase, EditExtend - EditBase
  DEFB EditHack - EditBase, EditDelete - EditBase, EditChange - EditBase
  DEFB EditSearch - EditBase, EditKill - EditBase

EditBase:
EditSearch:
  CALL EditFind
  RET Z
EditRight:
  CALL EditShowNext
  RET Z
  DEC C
  JR NZ,EditRight
  RET

EditLeft:
  CALL EditBack
  RET Z                     ; at the start
  DEC C
  JR NZ,EditLeft
  RET

; The cursor one character back, shown by a backspace. In: HL. Out: HL,
; Z (and nothing done) at the start of the text. Keeps: BC.
EditBack:
  LD DE,INBUF
  RST 18h
  RET Z
  DEC HL
  LD A,08h
  CALL OutChar              ; (keeps A)
  OR A
  RET

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
