; The blinking '*' of a tape load.

; 022Ch: blink the '*' in the top right corner.
TapeBlink:
  PUSH AF
  LD A,(VIDEOEND - 1)
  CP '*'
  LD A,'*'
  JR NZ,BlinkStore
  LD A,' '
BlinkStore:
  LD (VIDEOEND - 1),A
  POP AF
  RET
