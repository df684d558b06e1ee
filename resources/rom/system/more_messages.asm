; The system ROM's messages after the keyword table, placed in the second
; ROM at the addresses of messages.inc (included by monitor_rom.asm only).

  AT ExtraText
  DEFB "?EXTRA IGNORED",0Dh,0
  AT RedoText
  DEFB "?REDO",0Dh,0
  AT BytesFreeText
  DEFB " BYTES FREE",0Dh,0
  AT ReadyText
  DEFB "READY",0Dh,0
  AT MoreText
  DEFB "?? ",0
