; An eight-byte number shifted left one place (a file of its own: it
; fills a small gap).

; In: HL = the low byte of eight, carry = the bit shifted in.
; Out: the eight bytes shifted left one place, carry = the bit out; S and Z
; from the top byte. Keeps: A C DE.
DShiftLeft:
  LD B,8
DShiftLeft_byte:
  RL (HL)
  INC HL
  DJNZ DShiftLeft_byte
  RET
