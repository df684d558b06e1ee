; A two-byte address from tape.
;
; RAM: none of its own.

; 0314h: HL = an address from tape, low byte first.
TapeReadAddress:
  CALL TapeReadByte
  LD L,A
  CALL TapeReadByte
  LD H,A
  RET
