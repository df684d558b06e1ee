; The whole part of a double: toward 0 (FIX) and down (INT).
;
; RAM: DFAC, ARG.

; In: ACC double. Out: ACC without its fraction (toward 0). Keeps: -.
DFix:
  LD A,(FAC+3)
  SUB 184
  RET NC                    ; no fraction bits
  CP 201                    ; 129 - 184: below 1
  JP C,DZero
  NEG                       ; fraction bits, 1..55
  LD HL,DFAC
DFix_byte:
  SUB 8
  JR C,DFix_bits
  LD (HL),0
  INC HL
  JR DFix_byte
DFix_bits:
  ADD A,8
  RET Z
  LD B,A
  LD A,0FFh
DFix_mask:
  ADD A,A
  DJNZ DFix_mask
  AND (HL)
  LD (HL),A
  RET

; In: ACC double. Out: ACC = the largest whole number not above it.
; Keeps: -.
DInt:
  LD A,(FAC+2)
  RLA
  JR NC,DFix                ; not below 0: toward 0 is down
  CALL DAccToArg
  CALL DFix
  CALL DCompare
  RET Z                     ; it was whole
  LD HL,DMinusOne
  CALL DLoadArg
  JP DAdd
