; Removing a line from the program text and putting one in.
;
; RAM: VARTAB (the text's end).

; Remove the line at HL from the program text.
DeleteLine:
  PUSH HL
  CALL NextLine             ; HL = the following line
  POP DE
; Remove the text from DE up to HL (not included), which lies before the
; end mark, so that at least the end mark moves. Out: HL = DE.
DeleteText:
  PUSH DE
  EX DE,HL
  LD HL,(VARTAB)
  OR A
  SBC HL,DE
  LD B,H
  LD C,L                    ; bytes from the following line to the end
  EX DE,HL
  POP DE
  PUSH DE
  LDIR
  LD (VARTAB),DE
  POP HL
  RET

; Insert at HL the line number (40A2h) with the BC bytes of text at DE.
; HL lies at a line or at the end mark, so that at least the end mark
; moves up.
InsertLine:
  PUSH DE                   ; the text
  PUSH BC                   ; its length
  PUSH HL                   ; the insertion point
  LD HL,4
  ADD HL,BC
  EX DE,HL                  ; DE = the whole line's size
  LD HL,(VARTAB)
  PUSH HL
  ADD HL,DE                 ; the new end
  JR C,InsertNoRoom
  CALL TextLimit
  RST 18h
  JR NC,InsertNoRoom
  LD (VARTAB),HL
  DEC HL
  EX DE,HL                  ; DE = the new last byte
  POP HL                    ; the old end
  POP BC                    ; the insertion point
  PUSH BC
  PUSH HL
  OR A
  SBC HL,BC
  LD B,H
  LD C,L                    ; the bytes to move up
  POP HL
  DEC HL                    ; the old last byte
  LDDR
  POP HL                    ; the insertion point
  POP BC                    ; the text's length
  LD (HL),H                 ; a non-zero link, rebuilt afterwards
  INC HL
  LD (HL),H
  INC HL
  LD DE,(CURLINE)
  LD (HL),E
  INC HL
  LD (HL),D
  INC HL
  POP DE                    ; the text
  EX DE,HL
  LDIR
  RET
InsertNoRoom:                ; reported as a direct error, not "IN" the new line
  LD HL,0FFFFh
  LD (CURLINE),HL
  JP OMError
