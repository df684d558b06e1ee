; An eight-byte number shifted right one place (a file of its own: it
; fills a small gap).

; In: HL = the top byte of eight, carry = the bit shifted in. Out: the
; eight bytes shifted right one place. Keeps: A C DE.
DShiftRight:
  LD B,8
DShiftRight_byte:
  RR (HL)
  DEC HL
  DJNZ DShiftRight_byte
  RET
