; Cold start: set up the communication region, find the top of memory,
; clear the screen, boot a disk if one is there, else greet and go to the
; command level. The memory probe, the disk boot and the free bytes' line
; lie in the second ROM (MEMPROBE, DISKBOOT, PRINTFREE in second_rom.inc).

ColdStart:
  LD SP,INBUF + INBUFLEN    ; a stack in always-present RAM until the probe
  ; Copy the initial vectors and device blocks to 4000h onwards.
  LD HL,RamImage
  LD DE,RST08VEC
  LD BC,RamImageEnd - RamImage
  LDIR
  ; Every other cell up to the end of the fixed region starts as zero,
  ; from where the copy ended (DE).
  LD H,D
  LD L,E
  INC DE
  LD BC,DISKVECS - (RST08VEC + (RamImageEnd - RamImage)) - 1
  LD (HL),0
  LDIR
  ; Disk BASIC keywords report an error until a disk system takes them.
  EX DE,HL                  ; HL = DISKVECS, where the zeroing stopped
  LD B,(DISKVECEND - DISKVECS) / 3
InitDiskVectors:
  LD (HL),0C3h
  INC HL
  LD (HL),LOW L3Error
  INC HL
  LD (HL),HIGH L3Error
  INC HL
  DJNZ InitDiskVectors
  LD HL,RESETVEC
  LD (HL),0C3h
  INC HL
  LD (HL),LOW ReadyLevel
  INC HL
  LD (HL),HIGH ReadyLevel
  LD A,0C9h                 ; RET: nothing hooked into SYSTEM yet
  LD (SYSHOOK),A
  LD A,1
  LD (CURSORON),A           ; the cursor enabled
  CALL MEMPROBE
  LD SP,(STACKTOP)
  LD HL,INBUF
  LD (INBUFPTR),HL
  LD HL,PROGSTART - 1
  LD (HL),0
  INC HL
  LD (TXTTAB),HL
  CALL DoNew
  CALL ClearScreen
  ; A disk controller answers something other than FFh at 37ECh.
  LD A,(FDCSTATUS)
  INC A
  JR Z,Greet
  LD A,(KBROW6)
  AND 04h                   ; BREAK held: start without the disk
  JP Z,DISKBOOT
Greet:
  LD HL,BannerText
  CALL PrintString
  CALL PRINTFREE
  JP ReadyLevel

  IF SERIES = 3
BannerText:
  DEFB "QUILLOR SYSTEM ROM 1.0  (HT-1080Z/64)",0Dh,0
  ELSE
BannerText:
  DEFB "QUILLOR SYSTEM ROM 1.0  (HT-1080Z SERIES I/II)",0Dh,0
  ENDIF

; Initial contents of 4000h onwards.
RamImage:
  JP SyntaxCheck            ; 4000h RST 08
  JP NextChar               ; 4003h RST 10
  JP CompareHLDE            ; 4006h RST 18
  JP TypeTest               ; 4009h RST 20
  RET                       ; 400Ch RST 28
  NOP
  NOP
  RET                       ; 400Fh RST 30
  NOP
  NOP
  JP IntService             ; 4012h maskable interrupt
  DEFB 1                    ; 4015h keyboard DCB: input
  DEFW KeyboardDriver
  DEFB 0,0                  ; 4018h right shift, caps lock
  DEFB 0,0,0
  DEFB 7                    ; 401Dh video DCB: input, output, control
  DEFW VideoDriver
  DEFW VIDEO                ; 4020h cursor
  DEFB 0                    ; 4022h nothing under a shown cursor yet
  DEFB 0B0h                 ; 4023h cursor: a bar at the bottom of the cell
  DEFB 0                    ; 4024h space compression on
  DEFB 6                    ; 4025h printer DCB: output, control
  DEFW PRINTERDRIVER
  DEFB 67,1,1               ; 4028h lines per page + 1, lines + 1, chars + 1
  DEFB 0,0
  JP ReadyLevel             ; 402Dh DOS re-entry
  JP ReadyLevel             ; 4030h DOS re-entry after an error
RamImageEnd:                ; zeros follow: 4036h keyboard images, 403Dh port
                            ; FF (64 columns, motor off); 4040h set below
