; The shared steps of double precision: shifts and sums of eight-byte
; numbers, and copies between the ACC, ARG and other cells.
;
; RAM: DFAC, ARG.

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

; In: HL = the top byte of eight, carry = the bit shifted in. Out: the
; eight bytes shifted right one place, HL eight below. Four at a time:
; products take one shift per bit. Keeps: A C DE.
DShiftRight:
  LD B,2
DShiftRight_four:
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  RR (HL)
  DEC HL
  DJNZ DShiftRight_four
  RET

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
