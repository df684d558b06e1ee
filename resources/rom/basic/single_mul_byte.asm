; One lower byte of a single's multiplier, for FMul (single_mul.asm).
;
; RAM: none of its own.

; A lower multiplier byte: In: B, A H L the product, C D E the
; multiplicand. Out: A H L = (A H L + B * C D E) / 256; the bits that leave
; L are dropped, as the next byte's pass would shift them out of the guard
; byte anyway. Keeps: C DE.
FMul_fast:
  INC B
  DEC B
  JR Z,FMul_zero
  SCF                       ; a marker bit on top ends the eight passes
  RR B
FMul_fastbit:               ; two bits a round: the marker leaves after
  JR NC,FMul_fastnoadd      ; an even number
  ADD HL,DE
  ADC A,C
FMul_fastnoadd:
  RRA
  RR H
  RR L
  SRL B
  JR NC,FMul_fastnoadd2
  ADD HL,DE
  ADC A,C
FMul_fastnoadd2:
  RRA
  RR H
  RR L
  SRL B
  JR NZ,FMul_fastbit
  RET
FMul_zero:                  ; eight zero bits: the product moves a byte
  LD L,H
  LD H,A
  XOR A
  RET
