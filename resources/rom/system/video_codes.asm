; The video driver's codes: characters, space compression and the control
; codes 08h-1Fh (screen.asm is the driver).
;
; RAM: CURSOR, SPCOMP, PORTFF, CURSORON.

; A = code; the cursor is hidden. Uses all registers.
VideoCode:
  CP 0C0h
  JR C,NotCompressed
  LD B,A
  LD A,(SPCOMP)
  OR A
  LD A,B
  JR NZ,PutChar             ; special characters: shown as they are
  SUB 0C0h                  ; space compression: C0h + n spaces
  RET Z
  LD B,A
SpaceLoop:
  PUSH BC
  LD A,' '
  CALL PutChar
  POP BC
  DJNZ SpaceLoop
  RET
NotCompressed:
  CP 20h
  JR NC,PutChar
  SUB 8
  RET C                     ; below 08h: no control code
  LD E,A
  LD D,0
  LD HL,ControlOffsets
  ADD HL,DE
  LD E,(HL)
  LD HL,CellStep_done       ; offset 0: a code this driver does not know
  ADD HL,DE
  PUSH HL
  LD HL,(CURSOR)
  RET                       ; to the action, with HL = cursor

ControlOffsets:             ; codes 08h..1Fh, from CellStep_done (a RET)
  DEFB CtlBackspace - CellStep_done, 0
  DEFB CtlNewLine - CellStep_done, 0, 0
  DEFB CtlNewLine - CellStep_done
  DEFB CtlCursorOn - CellStep_done, CtlCursorOff - CellStep_done
  DEFB 0, 0, 0, 0, 0, 0, 0
  DEFB CtlWideMode - CellStep_done, CtlLeft - CellStep_done
  DEFB CtlRight - CellStep_done, CtlDown - CellStep_done
  DEFB CtlUp - CellStep_done, CtlHome - CellStep_done
  DEFB CtlLineStart - CellStep_done, CtlEraseLine - CellStep_done
  DEFB CtlEraseScreen - CellStep_done

; A printable code: store it and step on, scrolling off the bottom.
PutChar:
  LD HL,(CURSOR)
  LD (HL),A
  CALL CellStep
  ADD HL,DE
  JR StoreCursorScroll

; DE = 1, or 2 in 32-column mode.
CellStep:
  LD DE,1
  LD A,(PORTFF)
  AND 08h
  RET Z
  INC E
CellStep_done:
  RET

CtlBackspace:
  CALL StepBack
  RET C
  LD (HL),' '
  RET

; HL = cursor; move it one cell back unless at the top left (carry then).
CtlLeft:
StepBack:
  CALL CellStep
StepBack_by:                ; DE cells back
  OR A
  SBC HL,DE
  LD A,H
  CP HIGH VIDEO
  RET C
  JR StoreCursor

CtlRight:
  CALL CellStep
  ADD HL,DE
  LD A,H
  CP HIGH VIDEOEND
  RET NC                    ; stays in the last cell
  JR StoreCursor

CtlNewLine:                 ; the start of the line below
  LD A,L
  AND 0C0h
  LD L,A
  ; fall through
CtlDown:
  LD DE,64
  ADD HL,DE
  ; fall through
; Store HL as the cursor; past the last line, scroll and stay on it.
StoreCursorScroll:
  LD A,H
  CP HIGH VIDEOEND
  JR C,StoreCursor
  LD DE,-64
  ADD HL,DE
  PUSH HL
  CALL ScrollUp
  POP HL
StoreCursor:
  LD (CURSOR),HL
  RET

CtlUp:
  LD DE,64
  JR StepBack_by

CtlHome:
  LD HL,VIDEO
  JR StoreCursor

CtlLineStart:
  LD A,L
  AND 0C0h
  LD L,A
  JR StoreCursor

CtlEraseLine:               ; from the cursor to the end of its line
  LD A,L
  OR 3Fh
  LD E,A
  LD D,H
  JR FillSpaces

CtlEraseScreen:             ; from the cursor to the end of the screen
  LD DE,VIDEOEND - 1
  ; fall through
; Fill HL..DE (inclusive) with spaces.
FillSpaces:
  LD (HL),' '
  LD A,L
  CP E
  JR NZ,FillNext
  LD A,H
  CP D
  RET Z
FillNext:
  INC HL
  JR FillSpaces

CtlCursorOn:
  LD A,1
  DEFB 0FEh                 ; CP n: skips the XOR A
CtlCursorOff:
  XOR A
  LD (CURSORON),A
  RET

CtlWideMode:                ; 32 columns: even cells only
  LD A,(PORTFF)
  OR 08h
  LD (PORTFF),A
  OUT (0FFh),A
  RES 0,L
  JR StoreCursor

ScrollUp:
  LD HL,VIDEO + 64
  LD DE,VIDEO
  LD BC,VIDEOEND - VIDEO - 64
  LDIR
  EX DE,HL                  ; HL = VIDEOEND - 64, the last line
  JR CtlEraseScreen
