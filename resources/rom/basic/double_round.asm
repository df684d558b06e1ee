; A positive double rounded to a whole number of eight bytes, for writing
; its digits.
;
; RAM: DFAC, DWORK.

; In: ACC a positive double. Out: DWORK = the ACC rounded to a whole
; number, eight bytes (all ones when it does not fit). Keeps: -.
DRoundToWhole:
  LD HL,DWORK
  LD B,8
DRoundToWhole_ones:
  LD (HL),0FFh
  INC HL
  DJNZ DRoundToWhole_ones
  LD A,(FAC+3)
  LD B,A
  LD A,184
  SUB B                     ; places below the point
  RET C
  LD HL,FAC+2
  SET 7,(HL)
  LD HL,DFAC
  LD DE,DWORK
  LD BC,7
  LDIR
  EX DE,HL
  LD (HL),B                 ; B = 0 after the LDIR
  OR A
  RET Z
  LD C,A
DRoundToWhole_bytes:        ; whole bytes first, leaving 1 to 8 places
  LD A,C
  CP 9
  JR C,DRoundToWhole_shift
  SUB 8
  LD C,A
  LD HL,DWORK+1
  LD DE,DWORK
  PUSH BC
  LD BC,7
  LDIR
  POP BC
  XOR A
  LD (DE),A
  JR DRoundToWhole_bytes
DRoundToWhole_shift:
  LD HL,DWORK+7
  OR A
  CALL DShiftRight
  DEC C
  JR NZ,DRoundToWhole_shift
  LD HL,DWORK               ; add the last bit shifted out
  LD B,8
DRoundToWhole_carry:
  LD A,(HL)
  ADC A,0
  LD (HL),A
  INC HL
  DJNZ DRoundToWhole_carry
  RET
