; An eight-byte number shifted right one place.

; In: HL = the top byte of eight within a page (all the callers' are:
; DEC L is 2 T quicker), carry = the bit shifted in. Out: the eight bytes
; shifted right one place, HL eight below; S and Z spoilt. Unrolled:
; sums and rounding take one shift per bit. Keeps: A BC DE.
DShiftRight:
  RR (HL)
  DEC L
  RR (HL)
  DEC L
  RR (HL)
  DEC L
  RR (HL)
  DEC L
  RR (HL)
  DEC L
  RR (HL)
  DEC L
  RR (HL)
  DEC L
  RR (HL)
  DEC L
  RET
