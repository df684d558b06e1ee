; Driver of the printer DCB: print the code in C. The printer is ready
; when its status (37E8h) reads 30h in the high nibble; the driver waits
; for that, but gives up on the character when BREAK is pressed, so that a
; missing printer cannot hang the machine. Keeps all registers. It lies
; in the second ROM at PRINTERDRIVER (system/second_rom.inc), as the first
; has no room for it.

  AT PRINTERDRIVER
PrinterDriver:
  PUSH AF
PrinterWait:
  LD A,(PRINTER)
  AND 0F0h
  CP 30h
  JR Z,PrinterReady
  LD A,(KBROW6)
  AND 04h
  JR Z,PrinterWait
  POP AF
  RET
PrinterReady:
  LD A,C
  LD (PRINTER),A
  CP 0Dh
  JR Z,PrinterLineEnd
  LD A,(PRTCHARS)
  INC A
  LD (PRTCHARS),A
  POP AF
  RET
PrinterLineEnd:
  LD A,1
  LD (PRTCHARS),A
  LD A,(PRTCOUNT)
  INC A
  PUSH HL
  LD HL,PRTLINES
  CP (HL)
  POP HL
  JR C,PrinterCountDone
  LD A,1                    ; a new page
PrinterCountDone:
  LD (PRTCOUNT),A
  POP AF
  RET
