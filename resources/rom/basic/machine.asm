; Statements and functions on the machine: SET/RESET/POINT on the 128 x 48
; block-graphics grid, POKE, OUT (CLS lies in the second ROM,
; system/cls_statement.asm).
;
; A graphics cell is 3C00h + (y / 3) * 64 + x / 2, its bit (y mod 3) * 2 +
; (x mod 2) on top of 80h; a cell that holds no graphics character starts
; from 80h; POINT leaves the screen as it is.
;
; RAM: video memory only.

PokeStatement:
  CALL EvalAddress
  PUSH DE
  RST 08h
  DEFB ','
  CALL EvalByte
  POP DE
  LD (DE),A
  JR SetStatement_next

OutStatement:
  CALL EvalByte
  PUSH AF
  RST 08h
  DEFB ','
  CALL EvalByte
  POP BC
  LD C,B
  OUT (C),A
  JR SetStatement_next

ResetStatement:
  CALL GraphicsCell
  CPL
  AND C
  JR SetStatement_store

SetStatement:
  CALL GraphicsCell
  OR C
SetStatement_store:
  LD (HL),A
  POP HL
SetStatement_next:
  JP ExecNext

PointFunction:
  CALL GraphicsCell
  AND C                     ; a non-graphics cell counts as 80h: all off
  ADD A,0FFh                ; carry when the bit is on: -1, else 0
  SBC A,A
  LD L,A
  LD H,A
  JP ReturnInt

; '(' x ',' y ')' at HL. Out: HL = the cell, C = its graphics byte (80h
; when it holds no graphics character), A = the bit's mask, the text
; pointer pushed (the caller pops it).
GraphicsCell:
  CALL OpenParen
  CALL EvalByte
  CP 128
GraphicsCell_range:
  JP NC,FCError
  PUSH AF
  RST 08h
  DEFB ','
  CALL EvalByte
  CP 48
  JR NC,GraphicsCell_range
  PUSH AF
  RST 08h
  DEFB ')'
  POP AF                    ; y
  POP BC                    ; B = x
  POP DE                    ; the caller's return
  PUSH HL
  PUSH DE
  LD C,-1
GraphicsCell_row:           ; C = y / 3, A = y mod 3
  INC C
  SUB 3
  JR NC,GraphicsCell_row
  ADD A,3
  ADD A,A
  SRL B
  ADC A,0                   ; bit number
  LD E,B                    ; x / 2
  LD B,A
  INC B
  LD A,80h
GraphicsCell_bit:
  RLCA
  DJNZ GraphicsCell_bit
  LD D,A                    ; the mask
  LD A,C                    ; 3C00h + row * 64 + x / 2 (row below 16)
  RRCA
  RRCA
  LD H,A
  AND 0C0h
  OR E
  LD L,A
  LD A,H
  AND 3
  OR HIGH VIDEO
  LD H,A
  LD A,(HL)
  LD C,A
  CP 80h
  JR C,GraphicsCell_plain
  CP 0C0h
  JR C,GraphicsCell_done
GraphicsCell_plain:
  LD C,80h
GraphicsCell_done:
  LD A,D
  RET
