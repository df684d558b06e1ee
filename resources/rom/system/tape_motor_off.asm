; The cassette motor off (port FF bit 2, through its shadow at 403Dh).
;
; RAM: PORTFF.

; 01F8h.
TapeMotorOff:
  PUSH AF
  LD A,(PORTFF)
  AND 0F8h
; In: A = the new value of port FF, AF pushed. Out: port and shadow set,
; AF popped.
TapeMotorOff_set:
  LD (PORTFF),A
  OUT (0FFh),A
  POP AF
  RET
