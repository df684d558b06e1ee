; SYSTEM: a machine-code tape of another name read through and passed
; (tape_commands.asm describes the format).

SystemPass:                 ; another tape: its blocks read through
  CALL TapeByte
  CP ENTRY_BLOCK
  JR Z,SystemPass_end
  CP DATA_BLOCK
  JR NZ,SystemPass
  CALL TapeByte
  LD B,A                    ; 0 counts as 256
  CALL TapeByte             ; the address (HL keeps the name typed)
  CALL TapeByte
SystemPass_byte:
  CALL TapeByte
  DJNZ SystemPass_byte
  CALL TapeByte             ; the checksum
  JR SystemPass
SystemPass_end:
  CALL TapeByte             ; the entry address
  CALL TapeByte
  JP SystemSearch
