; The cassette motor (port FF bit 2, through its shadow at 403Dh).

TapeMotorOn:                ; 0212h; A = cassette number (one recorder)
  DI
  PUSH AF
  XOR A
  LD (TAPEBREAK),A
  LD A,(PORTFF)
  AND 0F8h
  OR 04h
  JR TapeMotorOff_set

TapeMotorOff:               ; 01F8h
  PUSH AF
  LD A,(PORTFF)
  AND 0F8h
TapeMotorOff_set:
  LD (PORTFF),A
  OUT (0FFh),A
  POP AF
  RET
