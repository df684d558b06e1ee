; One bit from tape (tape.inc describes the signal).

; One bit cell: carry = the bit. Uses A and B.
TapeReadBit:
  LD A,(TAPEBREAK)
  OR A
  RET NZ                    ; carry clear: a 0
WaitClock:
  LD A,(KBROW6)
  AND 04h
  JR NZ,ReadBreak
  IN A,(0FFh)
  RLA
  JR NC,WaitClock
  LD B,SAMPLE_WAIT
  DJNZ $
  IN A,(0FFh)
  RLA
  RET NC
WaitDataEnd:
  IN A,(0FFh)
  RLA
  JR C,WaitDataEnd
  SCF
  RET
ReadBreak:
  LD A,1
  LD (TAPEBREAK),A
  OR A
  RET
