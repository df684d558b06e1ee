; The sum of two numbers of B bytes (a file of its own: it fills a small
; gap).

; In: HL, DE = the low bytes of two numbers of B bytes, each within a
; page (the ACC, ARG and DWORK are). Out: (HL) += (DE), carry out.
; Keeps: C.
DAddBytes:
  OR A
DAddBytes_byte:
  LD A,(DE)
  ADC A,(HL)
  LD (HL),A
  INC L
  INC E
  DJNZ DAddBytes_byte
  RET
