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
  LD HL,FAC+3
  LD A,184
  SUB (HL)                  ; places below the point
  RET C
  DEC HL
  SET 7,(HL)
  LD HL,DFAC
  LD DE,DWORK
  LD BC,7
  LDIR
  EX DE,HL
  LD (HL),B                 ; B = 0 after the LDIR
  OR A
  RET Z
DRoundToWhole_bytes:        ; whole bytes first, leaving 1 to 8 places
  CP 9
  JR C,DRoundToWhole_bits
  SUB 8
  LD DE,DWORK
  CALL DShiftByte
  JR DRoundToWhole_bytes
DRoundToWhole_bits:
  LD C,A
DRoundToWhole_shift:
  LD HL,DWORK+7
  OR A
  CALL DShiftRight
  DEC C
  JR NZ,DRoundToWhole_shift
  RET NC                    ; add the last bit shifted out: the top
  LD HL,DWORK               ; byte is below 80h now, so the carry ends
DRoundToWhole_carry:
  INC (HL)
  RET NZ
  INC HL
  JR DRoundToWhole_carry
