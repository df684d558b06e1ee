; A word from a table.

; In: HL = a table of words, A = an index. Out: DE = the word there.
; Keeps: BC.
TableWord:
  ADD A,A
  ADD A,L
  LD L,A
  JR NC,TableWord_page
  INC H
TableWord_page:
  LD E,(HL)
  INC HL
  LD D,(HL)
  RET
