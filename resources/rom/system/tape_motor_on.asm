; The cassette motor on (port FF bit 2, through its shadow at 403Dh;
; tape_motor_off.asm stores it).
;
; RAM: PORTFF, TAPEBREAK (cleared: a new read may begin).

; 0212h; A = cassette number (one recorder).
TapeMotorOn:
  DI
  PUSH AF
  XOR A
  LD (TAPEBREAK),A
  LD A,(PORTFF)
  AND 0F8h
  OR 04h
  JP TapeMotorOff_set
