; Finding the sync byte of a tape block.

; 0296h: motor on, then read bits until the last eight are the sync byte.
; Shows "**" in the top right corner when found. Carry set if BREAK
; stopped the search.
TapeFindLeader:
  PUSH BC
  PUSH DE
  CALL TapeMotorOn
  LD E,0
SyncBitLoop:
  CALL TapeReadBit
  RL E
  LD A,(TAPEBREAK)          ; 1 after BREAK
  RRA
  JR C,SyncEnd
  LD A,E
  CP 0A5h
  JR NZ,SyncBitLoop
  LD A,'*'
  LD (VIDEOEND - 2),A
  LD (VIDEOEND - 1),A
  OR A
SyncEnd:
  POP DE
  POP BC
  RET
