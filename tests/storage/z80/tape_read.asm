; Reads bytes from tape through port FFh, for the recorder round trip: waits
; for a clock pulse, samples bit 7 about 1900 T-states after it rose (inside
; the data pulse of a 1), then waits past the data pulse. Bits are shifted in
; until the sync byte A5h has been seen, then COUNT bytes go to BUFFER.
COUNT   EQU 5FFEh
BUFFER  EQU 7000h

        ORG 5100h
        DI
        LD HL,BUFFER
        LD A,(COUNT)
        LD E,A
        LD A,04h
        OUT (0FFh),A            ; motor on
        LD C,0
SYNC:   CALL RBIT
        LD A,C
        CP 0A5h
        JR NZ,SYNC
RBYTE:  LD D,8
NBIT:   CALL RBIT
        DEC D
        JR NZ,NBIT
        LD (HL),C
        INC HL
        DEC E
        JR NZ,RBYTE
        XOR A
        OUT (0FFh),A
        HALT

; Shifts the next bit into C.
RBIT:   IN A,(0FFh)
        RLCA
        JR NC,RBIT
        LD B,146
R1:     DJNZ R1
        IN A,(0FFh)
        RLCA
        RL C
        LD B,80
R2:     DJNZ R2
        RET
