; Doubles to and from the other number types.
;
; RAM: DFAC, FSIGN, TYPEFLAG.

; 0ADBh, CDBL. In: ACC a number. Out: ACC as a double. Keeps: -.
AccToDouble:
  RST 20h                   ; no carry for a double
  RET NC
  CALL AccToSingle
; In: ACC single. Out: the same value as a double. Keeps: BC DE.
SingleToDouble:
  LD HL,0
  LD (DFAC),HL
  LD (DFAC+2),HL
  JP DSetDouble

; In: ACC double. Out: ACC rounded to a single; ?OV when it rounds past
; the largest single. Keeps: nothing.
DoubleToSingle:
  CALL DUnpackTop
  LD A,(FAC+3)
  OR A
  JP NZ,FNorm               ; rounds on DFAC+3, which is FACGUARD
  JP FZero
