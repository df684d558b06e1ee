; Writing bits to tape (tape.inc describes the signal).

; One bit cell; carry = the bit. Uses A, D, E.
TapeWriteBit:
  PUSH BC
  SBC A,A
  LD E,A                    ; E = FFh for a 1
  LD A,(PORTFF)
  AND 0FCh
  LD D,A                    ; D = quiet level with the motor bit
  OR 01h
  OUT (0FFh),A              ; clock pulse
  LD B,PULSE_HALF
  DJNZ $
  LD A,D
  OR 02h
  OUT (0FFh),A
  LD B,PULSE_HALF
  DJNZ $
  LD A,D
  OUT (0FFh),A
  LD B,DATA_WAIT
  DJNZ $
  LD A,D
  BIT 0,E
  JR Z,DataStart
  OR 01h
DataStart:
  OUT (0FFh),A              ; data pulse, or quiet for a 0
  LD B,DATA_HOLD
  DJNZ $
  LD A,D
  BIT 0,E
  JR Z,DataEnd
  OR 02h
DataEnd:
  OUT (0FFh),A
  LD B,PULSE_HALF
  DJNZ $
  LD A,D
  OUT (0FFh),A
  LD B,CELL_REST
  DJNZ $
  POP BC
  RET
