; An eight-byte number shifted left one place (a file of its own: it
; fills a small gap).

; In: HL = the low byte of eight, carry = the bit shifted in.
; Out: the eight bytes shifted left one place, HL eight above, carry = the
; bit out; S and Z from the top byte. Unrolled: a division takes two
; shifts per quotient bit, normalising one per place. Keeps: A BC DE.
DShiftLeft:
  RL (HL)
  INC HL
; In: HL = the low byte of seven, carry = the bit shifted in. Out, Keeps:
; as DShiftLeft, for a number whose byte below stays 0.
DShiftLeft7:
  RL (HL)
  INC HL
  RL (HL)
  INC HL
  RL (HL)
  INC HL
  RL (HL)
  INC HL
  RL (HL)
  INC HL
  RL (HL)
  INC HL
  RL (HL)
  INC HL
  RET
