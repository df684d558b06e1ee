; The ACC negated, whatever its type.

; In: ACC. Out: ACC = -ACC; an integer -32768 becomes the single 32768.
; Keeps: nothing.
NegateAcc:
  LD A,(TYPEFLAG)
  CP 2
  JR NZ,NegateAcc_neg
  LD HL,(FAC)
  LD A,H                    ; -32768 has no integer negation
  XOR 80h
  OR L
  JR NZ,NegateAcc_int
  CALL IntToSingle
NegateAcc_neg:
  JP FNeg
NegateAcc_int:
  CALL NegHL
  JP StoreInt
