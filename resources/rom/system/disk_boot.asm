; Disk boot: select drive 0, bring the head to track 0, read track 0
; sector 0 to 4200h and start it there. Bytes are polled through the data
; request bit; the controller hands over one byte about every 80 T-states,
; so the loop below must stay shorter than that. It lies in the second ROM
; at DISKBOOT (second_rom.inc), as the first has no room for it.

FDC_RESTORE  EQU 00h
FDC_READ     EQU 80h
FDC_BUSY     EQU 0
FDC_DRQ      EQU 1

  AT DISKBOOT
DiskBoot:
  LD A,01h
  LD (DRVSELECT),A
  LD HL,FDCSTATUS
  LD (HL),FDC_RESTORE
  CALL DiskSettle
WaitRestore:
  BIT FDC_BUSY,(HL)
  JR NZ,WaitRestore
  BIT 7,(HL)                ; drive 0 not ready: no disk in it
  JR NZ,BootFailed
  XOR A
  LD (FDCTRACK),A
  LD (FDCSECTOR),A
  LD DE,BOOTSECTOR
  LD (HL),FDC_READ
  CALL DiskSettle
ReadPoll:
  BIT FDC_DRQ,(HL)          ; 12
  JR NZ,ReadData            ; 7 / 12
  BIT FDC_BUSY,(HL)         ; 12
  JR NZ,ReadPoll            ; 12
  LD A,(HL)
  AND 0C0h                  ; not ready or no disk
  JR NZ,BootFailed
  JP BOOTSECTOR
ReadData:
  LD A,(FDCDATA)            ; 13
  LD (DE),A                 ; 7
  INC DE                    ; 6
  JR ReadPoll               ; 12

BootFailed:
  LD HL,NoBootText
  CALL PrintString
  JP Greet

; The controller's status is valid a few microseconds after a command.
DiskSettle:
  LD B,8
  DJNZ $
  RET
