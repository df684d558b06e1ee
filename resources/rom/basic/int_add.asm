; Integer addition (integer.asm describes the integers and their
; overflow into singles).
;
; RAM: none of its own.

; In: DE, HL. Out: ACC = DE + HL. Keeps: nothing.
IntAdd:
  PUSH HL
  PUSH DE
  OR A
  ADC HL,DE
  JP PO,IntDone
  LD BC,FAdd
  JP IntWide
