; An eight-byte number shifted right one place.

; In: HL = the top byte of eight, carry = the bit shifted in. Out: the
; eight bytes shifted right one place, HL eight below. Four at a time:
; products and rounding take one shift per bit. Keeps: A C DE.
DShiftRight:
  LD B,2
DShiftRight_four:
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  DJNZ DShiftRight_four
  RET
