; Double precision arithmetic on the accumulator and the second register.
;
; A double is eight bytes: a 56-bit mantissa, low byte first, whose top bit
; is the sign (standing in for the leading 1), then the exponent + 128, as
; a single but with four more mantissa bytes below. The ACC holds it at
; DFAC (411Dh-4124h), the second register at ARG (4127h-412Eh); the top
; four bytes of the ACC are the single at FAC, so the sign and the
; exponent lie at the same cells for both types. While a routine works, a
; mantissa is unpacked into eight bytes with a guard byte below it
; (DGUARD..FAC+2 and ARGGUARD..ARG+6) and the result's sign is in FSIGN;
; DNorm rounds half up on the guard byte. The byte loops keep the code
; small: double precision is rare in programs, single precision is not.
;
; This file holds the normalising and rounding that ends every operation;
; the shared steps are in double_copy.asm and each operation has a file of
; its own, small enough for a gap of the ROM.
;
; RAM: DFAC, DGUARD, ARG, ARGGUARD, DWORK, DSAVE (owned by these files), FSIGN.

; In: -. Out: ACC = double 0. Keeps: BC DE HL.
DZero:
  XOR A
  LD (FAC+3),A

DSetDouble:
  LD A,8
  LD (TYPEFLAG),A
  RET

; In: ACC mantissa unpacked at DGUARD..FAC+2 (leading bit anywhere),
; exponent at FAC+3, sign in FSIGN. Out: ACC normalised, rounded, packed,
; type double; ?OV when too large, 0 when too small. Keeps: nothing.
DNorm:
  LD A,(FAC+2)
  OR A
  JR NZ,DNorm_bits
  LD HL,FAC+3               ; a whole byte of zeros at the top
  LD A,(HL)
  SUB 8
  JR C,DZero
  JR Z,DZero
  LD (HL),A
  DEC HL
  LD D,H
  LD E,L
  DEC HL
  LD BC,7
  LDDR
  EX DE,HL
  LD (HL),B                 ; B = 0 after the LDDR
  JR DNorm
DNorm_bits:                 ; no carry here: from the OR, or the 0 shifted out
  JP M,DNorm_round
  LD HL,FAC+3
  DEC (HL)
  JR Z,DZero
  LD HL,DGUARD
  CALL DShiftLeft
  JR DNorm_bits
DNorm_round:
  LD A,(FAC+3)              ; exponent 0 here stands for 256 (DSetExponent)
  OR A
  JR Z,DNorm_overflow
  LD A,(DGUARD)
  RLA
  JR NC,DNorm_pack
  LD HL,DFAC
  LD B,8
DNorm_carry:                ; up to the exponent: all ones become 1.0 one
  INC (HL)                  ; place up, the top byte 0 but for the sign
  JR NZ,DNorm_pack
  INC HL
  DJNZ DNorm_carry
DNorm_overflow:
  JP OVError
DNorm_pack:                 ; bit 7 from FSIGN, the others from the top byte
  LD A,(FSIGN)
  LD HL,FAC+2
  XOR (HL)
  AND 80h
  XOR (HL)
  LD (HL),A
  JR DSetDouble
