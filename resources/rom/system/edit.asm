; EDIT n: the line editor. The line is spelt out into the input buffer and
; changed there with one-key commands, each after an optional count (the
; keys and what they do are in edit_keys.asm); E or NEW LINE stores it as
; if typed, Q leaves it as it was. The screen follows the cursor as a
; teletype would: characters show as the cursor passes them, deleted ones
; between '!', inserted ones as typed. A syntax error in a running program
; enters the editor on its line.
;
; RAM: CURLINE (the number of the line edited), EDITEND (where the next
; spelt-out character goes), INBUF (the text).

; In: HL after the command's name. Out: to the command level. Keeps: -.
EditCommand:
  CALL SkipBlanks
  CALL DecimalToBinary
; In: DE = a line number. Out: to the command level. Keeps: -.
EditLine:
  LD SP,(CMDSP)
  CALL FindLineByLink
  JP NZ,ULError
  LD BC,4
  ADD HL,BC                 ; the line's text
  LD BC,INBUF
  LD (EDITEND),BC
  LD A,2                    ; OutChar to the buffer
  LD (OUTDEV),A
  PUSH DE
  CALL ListText
  POP DE
  XOR A
  LD (OUTDEV),A
  LD HL,(EDITEND)
  LD (HL),A                 ; the end mark (the buffer keeps room for it)
  INC HL
  LD BC,EDITMAX
  SBC HL,BC                 ; carry clear from XOR
  JP NC,LSError             ; too long to edit whole
  LD (CURLINE),DE
  CALL EditRestart
; The command loop; the commands return to it. In: HL = the cursor.
; Out: to a command. Keeps: -.
EditKeys:
  LD DE,EditKeys
  PUSH DE
EditKeys_first:
  LD C,0                    ; the count typed
EditKeys_count:
  CALL WAITKEY
  LD B,A
  CALL DigitValue
  JR C,EditKeys_command
  LD E,A
  LD A,C
  ADD A,A
  ADD A,A
  ADD A,C
  ADD A,A
  ADD A,E
  LD C,A                    ; counts go up to 255
  JR EditKeys_count
EditKeys_command:           ; B = the key
  LD A,C
  OR A
  JR NZ,EditKeys_counted
  INC C                     ; no count: 1
EditKeys_counted:
  LD A,B
  CALL UpperCase
  PUSH HL
  PUSH BC
  LD HL,EditKeyNames
  LD BC,EDITKEYCOUNT
  CPIR                      ; the names are listed last first: C = the index
  LD HL,EditOffsets
  ADD HL,BC
  LD D,B
  POP BC
  JR NZ,EditKeys_none
  LD E,(HL)
  LD HL,EditBase
  ADD HL,DE
  EX (SP),HL                ; the command's address, the cursor back
  RET
EditKeys_none:
  POP HL
  JR EditKeys_first

; The line's number and a blank on a line of their own. In: -. Out: HL =
; the start of the text. Keeps: -.
EditRestart:
  CALL FreshLine
  LD HL,(CURLINE)
  CALL PrintHLDecimal
  CALL OutSpace
  LD HL,INBUF
  RET

; Show the character at the cursor and move past it. In: HL. Out: HL,
; Z (and nothing shown) at the end of the text. Keeps: BC DE.
EditShowNext:
  LD A,(HL)
  OR A
  RET Z
  INC HL
  CALL OutChar
  OR A
  RET

; Take the character at HL out of the text. In: HL. Out: -. Keeps: BC HL.
EditRemove:
  PUSH HL
  LD D,H
  LD E,L
EditRemove_move:
  INC HL
  LD A,(HL)
  LD (DE),A
  INC DE
  OR A
  JR NZ,EditRemove_move
  POP HL
  RET

; Put A into the text at the cursor and show it; nothing when the buffer
; is full. In: A, HL. Out: HL after it. Keeps: -.
EditInsertChar:
  PUSH AF
  PUSH HL
  XOR A
  LD B,A
  LD C,A
  CPIR                      ; HL after the end mark: its new place
  LD DE,EDITMAX
  RST 18h
  POP HL
  POP DE                    ; D = the character
  RET NC
  LD A,D
  PUSH HL
EditInsertChar_shift:       ; each character one place on, up to the end mark
  LD E,(HL)
  LD (HL),A
  LD A,E
  INC HL
  OR A
  JR NZ,EditInsertChar_shift
  LD (HL),A
  POP HL
  JR EditShowNext

; The room before the nth character c after the cursor (c read from the
; keyboard), or up to the end of the text without one. In: HL, C = n.
; Out: C = that many characters, Z when none. Keeps: HL.
EditFind:
  CALL WAITKEY
  LD B,A
  PUSH HL
  LD E,0
EditFind_next:
  LD A,(HL)
  OR A
  JR Z,EditFind_done
  INC HL
  INC E
  LD A,(HL)
  CP B
  JR NZ,EditFind_next
  DEC C
  JR NZ,EditFind_next
EditFind_done:
  POP HL
  LD A,E
  LD C,A
  OR A
  RET
