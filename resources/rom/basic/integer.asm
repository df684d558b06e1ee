; Integer arithmetic: 16-bit two's complement values in the ACC (4121h,
; low byte first) with type 2. A sum, difference or product that does not
; fit is computed again in single precision, so programs never see an
; integer overflow; callers look at the type flag. IntMul comes first: it
; begins at its entry, 0BF2h (IntAdd is in int_add.asm, IntDiv in
; int_div.asm).
;
; RAM: FAC, TYPEFLAG.

; In: DE, HL. Out: ACC = DE * HL. Keeps: nothing.
IntMul:
  PUSH HL
  PUSH DE
  LD A,H
  XOR D
  PUSH AF                   ; bit 7: the product is negative
  CALL AbsHL
  EX DE,HL
  CALL AbsHL                ; DE, HL: the magnitudes
  LD B,H
  LD C,L
  CALL MultiplyCarry        ; HL = BC * DE, carry past 16 bits
  POP BC                    ; B: the sign (the carry stays)
  JR C,IntMul_wide
  LD A,B                    ; HL = the magnitude
  OR A
  CALL M,NegHL
  LD A,B                    ; the result's sign must be the product's,
  XOR H                     ; or the magnitude was too large (0 has none)
  JP P,IntDone
  LD A,H
  OR L
  JR NZ,IntMul_wide
; The integer result HL of IntAdd, IntSub or IntMul, the operands dropped.
IntDone:
  POP DE
  POP DE
; In: HL. Out: ACC = HL as an integer. Keeps: BC DE HL.
StoreInt:
  LD (FAC),HL
  LD A,2
  LD (TYPEFLAG),A
  RET
IntMul_wide:
  LD BC,FMul
  JR IntWide

; In: DE, HL. Out: ACC = DE - HL. Keeps: nothing.
IntSub:
  PUSH HL
  PUSH DE
  EX DE,HL
  OR A
  SBC HL,DE
  JP PO,IntDone
  LD BC,FSub
; The operands (pushed HL, then DE) did not give an integer: on in single
; precision through the routine at BC.
IntWide:
  POP DE
  POP HL
  PUSH BC                   ; IntPairToSingle returns to it

; Both integers to singles: In: DE, HL. Out: BCDE = DE, ACC = HL.
; Keeps: nothing.
IntPairToSingle:
  PUSH HL
  EX DE,HL
  CALL IntToSingle
  POP HL
; In: HL integer, ACC single. Out: BCDE = the ACC, ACC = HL as a single.
; Keeps: nothing.
IntOverAcc:
  CALL FGetBCDE
  JP IntToSingle

; In: HL. Out: HL = |HL| (8000h stays). Keeps: BC DE.
AbsHL:
  BIT 7,H
  RET Z
; In: HL. Out: HL = -HL. Keeps: BC DE.
NegHL:
  XOR A
  SUB L
  LD L,A
  SBC A,A
  SUB H
  LD H,A
  RET
