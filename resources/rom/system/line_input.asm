; Line input (0040h, 05D9h): HL = buffer, B = most characters. Keys are
; echoed; backspace (left arrow) takes one back, SHIFT + left arrow the
; whole line. ENTER stores a carriage return after the text and returns
; with B = the count and carry clear; BREAK does the same with carry set.
; HL is kept; the buffer needs B + 1 bytes.

LineInput:
  PUSH DE
  PUSH HL
  LD C,0                    ; characters typed
InputKey:
  CALL WAITKEY
  CP 0Dh
  JR Z,InputEnd
  CP 01h
  JR Z,InputBreak
  CP 08h
  JR Z,InputBackspace
  CP 18h
  JR Z,InputCancel
  CP 20h
  JR C,InputKey             ; other control keys do nothing here
  CP 0C0h
  JR NC,InputKey
  LD E,A
  LD A,C
  CP B
  JR NC,InputKey            ; the buffer is full
  LD (HL),E
  INC HL
  INC C
  LD A,E
  CALL DISPLAY
  JR InputKey
InputBackspace:
  CALL InputTakeBack
  JR InputKey
InputCancel:
  CALL InputTakeBack
  JR NZ,InputCancel
  JR InputKey
InputEnd:
  OR A                      ; no carry
  DEFB 3Eh                  ; LD A,n: skips the SCF
InputBreak:
  SCF
  PUSH AF
  LD A,0Dh
  LD (HL),A
  CALL DISPLAY
  LD B,C
  POP AF
  LD A,0Dh
  POP HL
  POP DE
  RET

; Remove the last typed character; Z when none is left.
InputTakeBack:
  LD A,C
  OR A
  RET Z
  DEC HL
  DEC C
  LD A,08h
  CALL DISPLAY
  LD A,C
  OR A
  RET

