; A disk operating system's use of the controller, step by step, as the
; machine's software reaches it: through the memory-mapped registers, with
; interrupts off, polling the status register. Results land at RESULTS for
; the test to check; DONE_FLAG becomes AAh at the end.
;
; select drive 0; RESTORE; SEEK track 5; wait for the index hole to pass;
; READ sector 3 (counting the wait for its first byte); WRITE sector 7 from
; WRBUF; READ ADDRESS; WRITE TRACK 9 (sector s filled with E0h + s).

DRVSEL    EQU 37E1h
LATCH     EQU 37E0h
FDCCMD    EQU 37ECh
FDCTRACK  EQU 37EDh
FDCSECTOR EQU 37EEh
FDCDATA   EQU 37EFh

RDBUF     EQU 6000h
WRBUF     EQU 6100h
IDBUF     EQU 6200h
RESULTS   EQU 5F00h
DONE_FLAG EQU 5F1Fh

        ORG 5000h
        DI
        LD SP,7F00h
        LD A,(LATCH)            ; start with an empty latch
        LD A,01h
        LD (DRVSEL),A
        LD HL,FDCCMD

        LD (HL),00h             ; RESTORE
        CALL FINISH
        LD (RESULTS+0),A
        LD A,(LATCH)
        LD (RESULTS+1),A

        LD A,5
        LD (FDCDATA),A
        LD (HL),10h             ; SEEK 5
        CALL FINISH
        LD (RESULTS+2),A
        LD A,(FDCTRACK)
        LD (RESULTS+3),A
        LD A,(LATCH)
        LD (RESULTS+4),A

        ; The index hole: status bit 1 while a positioning command was last.
IDX1:   BIT 1,(HL)
        JR Z,IDX1
IDX2:   BIT 1,(HL)
        JR NZ,IDX2
        LD A,3
        LD (FDCSECTOR),A
        LD (HL),88h             ; READ sector 3
        CALL SETTLE
        LD DE,RDBUF
        LD BC,0
WAIT1:  LD A,(HL)               ; 7
        BIT 1,A                 ; 8
        JR NZ,RDATA             ; 7
        INC BC                  ; 6
        JR WAIT1                ; 12: 40 T-states a round
RDATA:  LD A,(FDCDATA)           ; the first byte at once: the next comes
        LD (DE),A               ; 80 T-states later
        INC DE
        LD (RESULTS+5),BC
        CALL READBYTES
        LD (RESULTS+7),A
        LD A,(LATCH)
        LD (RESULTS+8),A

        LD DE,WRBUF             ; the pattern to write: byte i = i
        LD B,0
FILL:   LD A,B
        NEG
        LD (DE),A
        INC DE
        DJNZ FILL
        LD A,7
        LD (FDCSECTOR),A
        LD (HL),0A8h            ; WRITE sector 7
        CALL SETTLE
        LD DE,WRBUF
WLOOP:  LD A,(HL)
        BIT 1,A
        JR NZ,WBYTE
        RRCA
        JR C,WLOOP
        LD A,(HL)
        LD (RESULTS+9),A
        JR RDADDR
WBYTE:  BIT 6,A                 ; protection seen while writing
        JR Z,WNOPROT
        LD (RESULTS+10),A
WNOPROT:LD A,(DE)
        LD (FDCDATA),A
        INC DE
        JR WLOOP

RDADDR: LD (HL),0C4h            ; READ ADDRESS
        CALL SETTLE
        LD DE,IDBUF
        CALL READBYTES
        LD (RESULTS+11),A

        LD (HL),0F4h            ; WRITE TRACK
        CALL SETTLE
        LD IX,INTERLEAVE
        LD B,12
        CALL GAP
SECTOR: LD A,0FEh               ; ID field
        CALL PUTB
        LD A,9
        CALL PUTB
        XOR A
        CALL PUTB
        LD A,(IX+0)
        CALL PUTB
        LD A,1
        CALL PUTB
        LD A,0F7h               ; CRC
        CALL PUTB
        LD B,11
        CALL GAP
        LD A,0FBh               ; data mark
        CALL PUTB
        LD A,(IX+0)
        ADD A,0E0h
        LD D,A
        LD B,0
DATA:   LD A,D
        CALL PUTB
        DJNZ DATA
        LD A,0F7h               ; CRC
        CALL PUTB
        LD B,12
        CALL GAP
        INC IX
        LD A,(IX+0)
        INC A
        JR NZ,SECTOR
        LD B,120                ; the long gap that ends the track
        CALL GAP
WTEND:  BIT 0,(HL)
        JR NZ,WTEND
        LD A,(HL)
        LD (RESULTS+12),A

        LD A,0AAh
        LD (DONE_FLAG),A
STOP:   JR STOP

; Waits for the command to finish; A = the final status.
FINISH: CALL SETTLE
FIN1:   BIT 0,(HL)
        JR NZ,FIN1
        LD A,(HL)
        RET

; The status is valid a little after a command was written.
SETTLE: PUSH BC
        LD B,20
SET1:   DJNZ SET1
        POP BC
        RET

; Stores every byte the controller offers at DE until it is no longer busy;
; A = the final status.
READBYTES:
        LD A,(HL)               ; 7
        BIT 1,A                 ; 8
        JR NZ,RBYTE             ; 12
        RRCA
        JR C,READBYTES
        LD A,(HL)
        RET
RBYTE:  LD A,(FDCDATA)          ; 13
        LD (DE),A               ; 7
        INC DE                  ; 6
        JR READBYTES            ; 12

; B bytes of FFh.
GAP:    LD A,0FFh
        CALL PUTB
        DJNZ GAP
        RET

; Hands A over at the next data request; gives up when the controller is
; no longer busy.
PUTB:   LD C,A
PUT1:   LD A,(HL)
        BIT 1,A
        JR NZ,PUT2
        RRCA
        JR C,PUT1
        RET
PUT2:   LD A,C
        LD (FDCDATA),A
        RET

INTERLEAVE:
        DB 0, 5, 1, 6, 2, 7, 3, 8, 4, 9, 0FFh
