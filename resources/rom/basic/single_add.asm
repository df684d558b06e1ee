; Single precision addition and subtraction (single.asm describes the
; format). FSub's three bytes lie at 0713h and fall into FAdd at 0716h, so
; both entries are the routines themselves.
;
; RAM: FAC, FSIGN.

; In: BCDE, ACC single. Out: ACC = BCDE - ACC. Keeps: nothing.
FSub:
  CALL FNeg
; In: BCDE, ACC single. Out: ACC = BCDE + ACC. Keeps: nothing.
; The sum is formed in registers (C D E, the guard byte in L) and handed
; to FNorm's register entry. Pushes nothing (nor do FNorm and FZero after
; it): NEXT keeps its loop's entry just above the stack during the call.
FAdd:
  LD A,B
  OR A
  RET Z
  LD A,(FAC+3)
  OR A
  JP Z,FLoadBCDE
  SUB B
  JR NC,FAdd_ordered
  LD HL,(FAC)               ; the larger to the ACC, the smaller to C D E:
  EX DE,HL                  ; FSwap without its call, and without B (the
  LD (FAC),HL               ; smaller's exponent is done with); a constant
  LD HL,(FAC+2)             ; added on the right (K+1) comes this way
  LD (FAC+2),BC
  LD C,L
  NEG
FAdd_ordered:               ; the ACC has the larger exponent; A = difference
  CP 25
  RET NC
  LD B,A                    ; (BCDE's exponent is done with)
  LD A,(FAC+2)
  LD (FSIGN),A
  XOR C
  SET 7,C
  LD H,A                    ; bit 7: subtract
  LD L,0
  LD A,B
  CP 5                      ; 5..7 places are a byte right and 3..1 left:
  JR C,FAdd_bit             ; cheaper than as many shifts right
FAdd_byte:
  LD B,L                    ; a byte right; the byte that leaves waits in
  LD L,E                    ; B for a shift left
  LD E,D
  LD D,C
  LD C,0
  SUB 8
  JR C,FAdd_left
  JR Z,FAdd_aligned         ; 8 places (K+1 for K from 128 to 255 ...)
  CP 5
  JR NC,FAdd_byte
FAdd_bit:
  OR A
  JR Z,FAdd_aligned
  LD B,A
FAdd_shift:
  SRL C
  RR D
  RR E
  RR L
  DJNZ FAdd_shift
FAdd_aligned:               ; the ACC's guard byte is 0
  LD A,(FAC+3)
  LD B,A
  BIT 7,H
  JR NZ,FAdd_sub
  LD A,L                    ; (the guard byte waits in A)
  LD HL,(FAC)
  ADD HL,DE
  EX DE,HL
  LD L,A
  LD A,(FAC+2)
  SET 7,A                   ; the ACC's leading 1 (the flags stay)
  ADC A,C
  LD C,A
  JP NC,FNorm_round         ; the leading 1 is in place
  RR C                      ; the carry comes in on top
  RR D
  RR E
  RR L
  INC B
  JP NZ,FNorm_round
  JP OVError
FAdd_left:                  ; A = -3..-1: back left, B's top bits into L
  SLA B                     ; (C is 0 here: nothing leaves on top, and
  RL L                      ; the result is the same as shifting right)
  RL E
  RL D
  RL C
  INC A
  JR NZ,FAdd_left
  JR FAdd_aligned
FAdd_sub:
  XOR A
  SUB L
  LD HL,(FAC)
  SBC HL,DE
  EX DE,HL
  LD L,A
  LD A,(FAC+2)
  SET 7,A
  SBC A,C
  LD C,A
  JP NC,FNormRegs
  XOR A                     ; the smaller was taken from the larger: negate
  SUB L
  LD L,A
  LD A,0
  SBC A,E
  LD E,A
  LD A,0
  SBC A,D
  LD D,A
  LD A,0
  SBC A,C
  LD C,A
  LD A,(FSIGN)
  XOR 80h
  LD (FSIGN),A
  JP FNormRegs
