; The shared steps of double precision: sums of eight-byte numbers, and
; copies between the ACC, ARG and other cells (the shifts are in
; double_shift_left.asm and double_shift_right.asm).
;
; RAM: DFAC, ARG.

; In: HL, DE = the low bytes of two numbers of B bytes. Out: (HL) +=
; (DE), carry out. Keeps: C.
DAddBytes:
  OR A
DAddBytes_byte:
  LD A,(DE)
  ADC A,(HL)
  LD (HL),A
  INC HL
  INC DE
  DJNZ DAddBytes_byte
  RET

; In: -. Out: ARG = the ACC. Keeps: -.
DAccToArg:
  LD HL,DFAC

; In: HL = eight bytes. Out: ARG = them. Keeps: -.
DLoadArg:
  LD DE,ARG
  JR DCopy

; In: -. Out: the ACC = ARG. Keeps: -.
DArgToAcc:
  LD HL,ARG

; In: HL = eight bytes. Out: the ACC = them, type double. Keeps: -.
DLoadAcc:
  CALL DSetDouble
  LD DE,DFAC
  JR DCopy

; In: DE = eight bytes. Out: they hold the ACC. Keeps: A.
DStore:
  LD HL,DFAC

; In: HL, DE. Out: eight bytes copied from HL to DE. Keeps: A.
DCopy:
  LD BC,8
  LDIR
  RET

; In: ACC, ARG. Out: the two eight-byte registers exchanged. Keeps: -.
DSwap:
  LD HL,DFAC
  LD DE,ARG
  LD B,8
DSwap_byte:
  LD C,(HL)
  LD A,(DE)
  LD (HL),A
  LD A,C
  LD (DE),A
  INC HL
  INC DE
  DJNZ DSwap_byte
  RET
