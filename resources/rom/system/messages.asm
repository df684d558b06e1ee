; The system ROM's messages before the keyword table, placed in the second
; ROM at the addresses of messages.inc (included by monitor_rom.asm only).

  AT ErrorLetters
  DEFB "NFSNRGODFCOVOMULBSDD/0IDTMOSLSSTCNNRRWUEMOFDL3"
  AT ErrorWord
  DEFB " ERROR",0
  AT InText
  DEFB " IN ",0
  AT NoBootText
  DEFB "NO SYSTEM DISK IN DRIVE 0",0Dh,0
  AT NotBasicText
  DEFB "?NOT A BASIC TAPE",0Dh,0
  AT NotSystemText
  DEFB "?NOT A SYSTEM TAPE",0Dh,0
  AT ChecksumText
  DEFB "?CHECKSUM ERROR",0Dh,0
