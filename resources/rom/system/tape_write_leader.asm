; Writing a leader.

; 0287h: motor on, 255 zero bytes of leader, then the sync byte A5h.
TapeWriteLeader:
  PUSH AF
  PUSH BC
  CALL TapeMotorOn
  LD B,255
LeaderLoop:
  XOR A
  CALL TapeWriteByte
  DJNZ LeaderLoop
  LD A,0A5h
  CALL TapeWriteByte
  POP BC
  POP AF
  RET
