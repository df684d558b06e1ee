; The tape formats, and CSAVE "N" (CLOAD and SYSTEM are in tape_load.asm and
; tape_system.asm).
;
; A BASIC tape: leader, A5h, D3h D3h D3h, one name character, then the
; program lines as they lie in memory, ending with a link of 0000.
; A machine-code tape: leader, A5h, 55h, six name characters, blocks of
; 3Ch, count (00 = 256), load address, data, checksum (sum of the address
; bytes and the data), and finally 78h and the entry address.

BASIC_HEADER  EQU 0D3h
SYSTEM_HEADER EQU 55h
DATA_BLOCK    EQU 3Ch
ENTRY_BLOCK   EQU 78h

CsaveCommand:
  CALL SkipBlanks
  CP '"'
  JP NZ,SNError
  INC HL
  LD A,(HL)
  CP ' ' + 1
  JP C,SNError
  CP '"'
  JP Z,SNError
  LD C,A
  CALL WRITELEADER
  LD A,BASIC_HEADER
  LD B,3
CsaveHeader:
  CALL TAPEWRITE            ; (keeps all registers)
  DJNZ CsaveHeader
  LD A,C
  CALL TAPEWRITE
  LD HL,(TXTTAB)
  LD DE,(VARTAB)
CsaveByte:
  RST 18h
  JR Z,CsaveDone
  LD A,(HL)
  CALL TAPEWRITE
  INC HL
  JR CsaveByte
CsaveDone:
  CALL MOTOROFF
  JP ReadyLevel
