; Cassette: pulses through port FF. Bits 0-1 of the port give the output
; level (01 positive, 10 negative, 00 quiet), bit 2 runs the motor; the
; shadow at 403Dh keeps the other bits, since the port cannot be read back
; (a read gives the input level in bit 7).
;
; A bit cell starts with a clock pulse; a 1 has a second, data pulse
; about 1.75 ms later. Bytes go most significant bit first. The reader
; waits for a clock, looks at the line in the middle of where a data
; pulse would be, and for a 1 waits for that pulse to end, which leaves
; the caller about 1.1 ms per byte before the next clock arrives.
;
; Interrupts are disabled while the tape runs: the timing is by
; instruction counts.
;
; The driver lies between the fixed entry points from 01C9h to 0384h
; (screen, tape and input entries, each a jump or a short routine that
; keeps DE), in the room each leaves before the next; this file is the
; layout of that stretch.

; DJNZ counts; 13 T-states each (the cell is about 4600 T-states).
PULSE_HALF   EQU 20         ; each half of a pulse, about 280 T-states
DATA_WAIT    EQU 62         ; clock to data pulse: data starts about 1400
DATA_HOLD    EQU 62         ; data pulse held until about 2250
CELL_REST    EQU 148        ; rest of the cell
SAMPLE_WAIT  EQU 164        ; clock seen to sampling: about 2150

  AT CLS
  JP ClearScreen

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

  AT MOTOROFF
  JP TapeMotorOff

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

  AT MOTORON
  JP TapeMotorOn

TapeMotorOn:                ; 0212h; A = cassette number (one recorder)
  DI
  PUSH AF
  XOR A
  LD (TAPEBREAK),A
  LD A,(PORTFF)
  AND 0F8h
  OR 04h
  LD (PORTFF),A
  OUT (0FFh),A
  POP AF
  RET

  AT BLINK
  JP TapeBlink
  AT TAPEREAD
  JP TapeReadByte

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
  LD A,(TAPEBREAK)
  OR A
  JR NZ,SyncBroken
  LD A,E
  CP 0A5h
  JR NZ,SyncBitLoop
  LD A,'*'
  LD (VIDEOEND - 2),A
  LD (VIDEOEND - 1),A
  POP DE
  POP BC
  OR A
  RET
SyncBroken:
  POP DE
  POP BC
  SCF
  RET

  AT TAPEWRITE
  JP TapeWriteByte

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

; 0314h: HL = an address from tape, low byte first.
TapeReadAddress:
  CALL TapeReadByte
  LD L,A
  CALL TapeReadByte
  LD H,A
  RET

  AT WRITELEADER
  JP TapeWriteLeader
  AT FINDLEADER
  JP TapeFindLeader
  AT SYSTEMCMD
  JP SystemCommand

; 0264h: write A. All registers kept.
TapeWriteByte:
  PUSH AF
  PUSH BC
  PUSH DE
  LD C,A
  LD B,8
WriteBitLoop:
  RLC C
  CALL TapeWriteBit
  DJNZ WriteBitLoop
  POP DE
  POP BC
  POP AF
  RET

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

  AT TAPEADDR
  JP TapeReadAddress

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

TapeMotorOff:               ; 01F8h
  PUSH AF
  LD A,(PORTFF)
  AND 0F8h
  LD (PORTFF),A
  OUT (0FFh),A
  POP AF
  RET

; Display A keeping DE.
  AT DISPLAYKEEP
  PUSH DE
  CALL DISPLAY
  POP DE
  RET

; Input a line into the buffer at (40A7h): B = length, HL = buffer,
; carry set on BREAK.
  AT INPUTTOBUF
  LD HL,(INBUFPTR)
  LD B,INBUFLEN
  JP LINEINPUTB

; Wait for a key keeping DE.
  AT WAITKEYKEEP
  PUSH DE
  CALL WAITKEY
  POP DE
  RET
