; One byte from tape.

; 0235h: A = the next byte; carry set if BREAK stopped the read (the tape
; code then keeps answering at once until the motor is started again).
TapeReadByte:
  PUSH BC
  PUSH DE
  LD D,8
ReadBitLoop:
  CALL TapeReadBit
  RL E
  DEC D
  JR NZ,ReadBitLoop
  LD A,(TAPEBREAK)
  RRA
  LD A,E
  POP DE
  POP BC
  RET
