; Double precision multiplication (double_core.asm describes the format).
;
; RAM: DFAC, DGUARD, ARG, ARGGUARD, DWORK (the multiplier), FSIGN.

; In: ACC, ARG doubles. Out: ACC = ACC * ARG (0DA1h); ARG is used up.
; Shift and add, the multiplier's low bit first; the product's bits below
; the guard byte fall away. Keeps: nothing.
DMul:
  CALL DSetDouble
  LD A,(FAC+3)
  OR A
  RET Z
  LD A,(ARG+7)
  OR A
  JP Z,DZero
  LD HL,(FAC+3)             ; H is FAC+4: clear it for the sum
  LD H,0
  LD E,A
  LD D,H
  ADD HL,DE
  LD DE,-128
  ADD HL,DE
  CALL DSetExponent
  LD HL,DFAC                ; the multiplier to DWORK
  LD DE,DWORK
  LD BC,7
  LDIR
  LD HL,DGUARD              ; the product starts at 0
  LD B,8
DMul_clear:
  LD (HL),C
  INC HL
  DJNZ DMul_clear
  LD HL,DWORK
  LD C,7
DMul_byte:
  LD A,(HL)
  INC HL
  PUSH HL
  OR A
  JR Z,DMul_zero
  SCF
  RRA
DMul_bit:                   ; carry = this bit of the multiplier
  JR NC,DMul_shift
  EX AF,AF'
  LD HL,DFAC
  LD DE,ARG
  LD B,7
  CALL DAddBytes
  LD HL,FAC+2               ; the carry of the sum comes in at the top
  CALL DShiftRight
  EX AF,AF'
  JR DMul_next
DMul_shift:
  LD HL,FAC+2
  CALL DShiftRight
DMul_next:
  SRL A
  JR NZ,DMul_bit
DMul_bytedone:
  POP HL
  DEC C
  JR NZ,DMul_byte
  JP DNorm
DMul_zero:                  ; eight zero bits: the product moves a byte
  PUSH BC
  LD HL,DFAC
  LD DE,DGUARD
  LD BC,7
  LDIR
  LD (DE),A
  POP BC
  JR DMul_bytedone
