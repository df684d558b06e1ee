; An eight-byte number shifted right one place.

; In: HL = the top byte of eight, carry = the bit shifted in. Out: the
; eight bytes shifted right one place, HL eight below. Unrolled: products
; and rounding take one shift per bit. Keeps: A BC DE.
DShiftRight:
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  RET
