; The lines typed for the command level and for INPUT, into the input
; buffer (INBUF).
;
; RAM: DIRECTEND (read: where a waiting direct statement ends).

; A line from the keyboard into the input buffer, ended with 00.
; Out: carry on BREAK; else HL at its first non-blank character, A = it.
; Keeps: C.
ReadInputLine:
  LD HL,INBUF + 2           ; (a direct statement is tokenised in place)
  LD B,INBUFLEN - 1
  JR ReadInputLine_read
; The same for INPUT: after a direct statement that may wait for it, up
; to four bytes past the buffer's end (42DCh: the bytes before the program
; are free), so that at least two characters fit. Keeps: C.
InputLine:
  LD HL,(DIRECTEND)
  LD A,LOW (INBUF + INBUFLEN + 4)
  SUB L
  LD B,A
ReadInputLine_read:
  CALL LINEINPUTB
  RET C
  LD E,B
  LD D,0
  PUSH HL                   ; (LINEINPUTB keeps HL)
  ADD HL,DE
  LD (HL),D
  POP HL
  CALL SkipBlanks
  OR A                      ; carry clear: SkipBlanks sets it at an empty
  RET                       ; line's end, which is no BREAK
