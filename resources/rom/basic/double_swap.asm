; The ACC and ARG exchanged (a file of its own: it fills a small gap).

; In: ACC, ARG. Out: the two eight-byte registers exchanged. Keeps: -.
DSwap:
  LD HL,DFAC
  LD DE,ARG
  LD B,8
DSwap_byte:                 ; (each within a page)
  LD C,(HL)
  LD A,(DE)
  LD (HL),A
  LD A,C
  LD (DE),A
  INC L
  INC E
  DJNZ DSwap_byte
  RET
