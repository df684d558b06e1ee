; An eight-byte number shifted left one place (a file of its own: it
; fills a small gap).

; In: HL = the low byte of eight within a page (all the callers' are:
; INC L is 2 T quicker), carry = the bit shifted in. Out: the eight bytes
; shifted left one place, HL eight above, carry = the bit out; S and Z
; from the top byte. Unrolled: a division shifts its remainder once per
; quotient bit, normalising once per place. Keeps: A BC DE.
DShiftLeft:
  RL (HL)
  INC L
; In: HL = the low byte of seven, carry = the bit shifted in. Out, Keeps:
; as DShiftLeft, for a number whose byte below stays 0.
DShiftLeft7:
  RL (HL)
  INC L
  RL (HL)
  INC L
  RL (HL)
  INC L
  RL (HL)
  INC L
  RL (HL)
  INC L
  RL (HL)
  INC L
  RL (HL)
  INC HL                    ; (INC L would spoil S and Z)
  RET
