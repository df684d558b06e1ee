; Double precision multiplication (double_core.asm describes the format).
;
; RAM: DFAC, DGUARD, ARG, ARGGUARD, DWORK (the multiplier), FSIGN.

; In: ACC, ARG doubles. Out: ACC = ACC * ARG (0DA1h); ARG is used up.
; Shift and add, the multiplier's low bit first; the product's bits below
; the guard byte fall away. Keeps: nothing.
DMul:                       ; (each way out sets the type)
  LD A,(ARG+7)
  OR A
  JP Z,DZero
  LD DE,-129
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
DMul_byte:
  LD A,(HL)
  INC HL
  PUSH HL
  OR A
  JR Z,DMul_zero
  SCF
  RRA
  LD C,A                    ; the bits left, above them a marker bit
DMul_bit:                   ; carry = this bit of the multiplier
  JR NC,DMul_shift          ; (no carry in then)
  LD HL,DFAC
  LD DE,ARG
  LD B,7
  CALL DAddBytes
DMul_shift:                 ; the carry of the sum comes in at the top
  LD HL,FAC+2
  CALL DShiftRight
  SRL C
  JR NZ,DMul_bit
DMul_bytedone:
  POP HL
  LD A,L
  CP LOW (DWORK+7)          ; seven bytes (DWORK lies within one page)
  JR NZ,DMul_byte
  JP DNorm
DMul_zero:                  ; eight zero bits: the product moves a byte
  LD DE,DGUARD
  CALL DShiftByte
  JR DMul_bytedone
