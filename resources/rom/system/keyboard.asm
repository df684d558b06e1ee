; The keyboard driver. Rows 0-6 of the matrix are compared with their
; saved images at 4036h-403Ch, so that a key is reported once when it goes
; down (no auto-repeat). A found key must still be down after about 19 ms
; (contact bounce); after decoding, the driver waits about 51 ms more so
; that the release bounce is not taken for a new press.

KEY_DEBOUNCE   EQU 1300     ; x 26 T-states: about 19 ms
KEY_SETTLE     EQU 3480     ; about 51 ms

; Driver of the keyboard DCB: A = the newly pressed key, or 0.
; BC, DE and HL are kept.
KeyboardDriver:
  PUSH BC
  PUSH DE
  PUSH HL
  LD HL,KBDIMAGE
  LD BC,3801h               ; B = high byte, C = row select bit
ScanRow:
  LD A,(BC)
  LD E,A
  XOR (HL)
  AND E                     ; bits down now that were up before
  LD (HL),E
  JR NZ,KeyFound
  INC HL
  SLA C
  BIT 7,C                   ; row 7 (SHIFT) is not a key of its own
  JR Z,ScanRow
NoKey:
  XOR A
KeyDone:
  POP HL
  POP DE
  POP BC
  RET

KeyFound:
  LD D,A                    ; D = new bits of this row
  PUSH BC
  LD BC,KEY_DEBOUNCE
  CALL DELAY
  POP BC
  LD A,(BC)
  AND D
  JR Z,NoKey                ; gone again: a bounce
  ; column = index of the lowest new bit; code index = row * 8 + column
  LD D,A
  LD A,L
  SUB LOW KBDIMAGE
  ADD A,A
  ADD A,A
  ADD A,A
  LD E,A
FindColumn:
  SRL D
  JR C,HaveIndex
  INC E
  JR FindColumn
HaveIndex:
  LD A,(KBROW7)
  AND 01h
  LD D,A                    ; D = 1 while SHIFT is down
  LD A,E
  CP 48
  JR NC,SpecialKey
  CP 32
  JR NC,DigitKey
  ADD A,40h                 ; '@', 'A'-'Z'
  BIT 0,D
  JR Z,KeySettle
  ADD A,20h                 ; shifted letters give lower case
  JR KeySettle
DigitKey:                   ; '0'-'9' ':' ';' ',' '-' '.' '/'
  ADD A,10h
  CP 3Ch
  JR C,DigitShift
  SUB 10h
DigitShift:
  BIT 0,D
  JR Z,KeySettle
  XOR 10h                   ; '!' '"' ... '*' '+' '<' '=' '>' '?'
  JR KeySettle
SpecialKey:
  SUB 48
  BIT 0,D
  JR Z,SpecialLookup
  ADD A,8
SpecialLookup:
  LD HL,SpecialKeyCodes
  ADD A,L
  LD L,A
  JR NC,SpecialRead
  INC H
SpecialRead:
  LD A,(HL)
KeySettle:
  PUSH AF
  LD BC,KEY_SETTLE
  CALL DELAY
  POP AF
  JR KeyDone

; Row 6: ENTER CLEAR BREAK up down left right SPACE, then with SHIFT.
SpecialKeyCodes:
  DEFB 0Dh,1Fh,01h,5Bh,0Ah,08h,09h,20h
  DEFB 0Dh,1Fh,01h,1Bh,1Ah,18h,19h,20h
