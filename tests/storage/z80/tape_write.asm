; Writes bytes to tape through port FFh the way the machine's tape output
; does, for the recorder round trip. Each bit is a cell of about 4578
; T-states: a clock pulse (01, 10, 00 on bits 0-1) at its start and, for a
; 1, a data pulse starting about 1700 T-states later that is still positive
; when the recorder samples at 1800.
; In:  COUNT bytes at DATA. Ends with the motor off and HALT.
COUNT   EQU 5FFEh
DATA    EQU 6000h
MOTOR   EQU 04h

        ORG 5000h
        DI
        LD HL,DATA
        LD A,(COUNT)
        LD E,A
        LD A,MOTOR
        OUT (0FFh),A
NBYTE:  LD C,(HL)
        LD D,8
NBIT:   CALL WBIT
        DEC D
        JR NZ,NBIT
        INC HL
        DEC E
        JR NZ,NBYTE
        XOR A
        OUT (0FFh),A            ; motor off ends the recording
        HALT

; One bit: the top bit of C, which is rotated.
WBIT:   LD A,MOTOR+1
        OUT (0FFh),A            ; clock pulse, t = 0
        LD B,7
W1:     DJNZ W1
        LD A,MOTOR+2
        OUT (0FFh),A
        LD B,7
W2:     DJNZ W2
        LD A,MOTOR
        OUT (0FFh),A            ; about t = 220
        LD B,111
W3:     DJNZ W3
        RLC C
        JR NC,ZERO
        LD A,MOTOR+1
        OUT (0FFh),A            ; data pulse, about t = 1700
        LD B,23
W4:     DJNZ W4
        LD A,MOTOR+2
        OUT (0FFh),A
        LD B,23
W5:     DJNZ W5
        LD A,MOTOR
        OUT (0FFh),A            ; about t = 2320
        JR TAIL
ZERO:   LD B,49                 ; as long as the data pulse
W6:     DJNZ W6
TAIL:   LD B,168                ; to the end of the cell
W7:     DJNZ W7
        RET
